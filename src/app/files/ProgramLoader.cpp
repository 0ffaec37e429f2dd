#include "app/files/ProgramLoader.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace tarvo::app {

namespace {

constexpr int firstLines = 256;  // more than the tallest editor shows
constexpr int pieceLines = 512;
constexpr qint64 sliceMilliseconds = 16;  // a frame at 60 Hz

}  // namespace

ProgramLoader::ProgramLoader(QPlainTextEdit& editor, QObject* parent)
    : QObject(parent), editor_(editor) {
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &ProgramLoader::appendSlice);
    connect(editor_.document(), &QTextDocument::contentsChange, this, &ProgramLoader::noticeChange);
}

void ProgramLoader::load(const QString& text) {
    if (loading()) settle();
    text_ = text;
    const qsizetype firstEnd = afterLines(0, firstLines);
    appending_ = true;
    editor_.setPlainText(text_.left(firstEnd));
    appending_ = false;
    editor_.document()->setModified(false);
    if (firstEnd == text_.size()) {
        text_.clear();
        emit loaded();
        return;
    }
    // The slices are not for Undo to take away again.
    next_ = firstEnd;
    editor_.document()->setUndoRedoEnabled(false);
    editor_.setReadOnly(true);
    slices_.start();
}

void ProgramLoader::finish() {
    if (!loading()) return;
    appendUpTo(text_.size());
    settle();
    emit loaded();
}

void ProgramLoader::appendSlice() {
    if (!loading()) {  // cut short by an edit, see noticeChange
        settle();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (loading() && clock.elapsed() < sliceMilliseconds)
        appendUpTo(afterLines(next_ + 1, pieceLines));
    if (loading()) return;
    settle();
    emit loaded();
}

// Each slice starts with the line feed that ends the line before it.
void ProgramLoader::appendUpTo(qsizetype end) {
    QTextDocument& document = *editor_.document();
    const bool modified = document.isModified();
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    appending_ = true;
    cursor.insertText(text_.mid(next_, end - next_));
    appending_ = false;
    document.setModified(modified);
    next_ = end < text_.size() ? end : -1;
}

// Where the line feed after this many more lines stands, or the text's end.
qsizetype ProgramLoader::afterLines(qsizetype from, int lines) const {
    qsizetype at = from;
    for (int i = 0; i < lines; ++i) {
        at = text_.indexOf(u'\n', at);
        if (at < 0) return text_.size();
        if (i + 1 < lines) ++at;
    }
    return at;
}

// An edit that reaches the end of what is in (Clear, a new text) leaves no
// place for the rest, which is dropped; edits before it keep their place.
// The undo state is restored on the next turn of the event loop: a new
// text set through the editor restores its own undo state after this.
void ProgramLoader::noticeChange(int from, int removed, int added) {
    if (appending_ || !loading()) return;
    const int lengthBefore = editor_.document()->characterCount() - added + removed;
    if (removed > 0 && from + removed >= lengthBefore - 1) {
        next_ = -1;
        text_.clear();
    }
}

void ProgramLoader::settle() {
    slices_.stop();
    next_ = -1;
    text_.clear();
    editor_.document()->setUndoRedoEnabled(true);
    editor_.setReadOnly(false);
}

}  // namespace tarvo::app
