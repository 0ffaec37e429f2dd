#include "app/files/ProgramLoader.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "app/files/EditorText.h"

namespace tarvo::app {

namespace {

constexpr int firstLines = 256;  // more than the tallest editor shows
constexpr int pieceLines = 512;
constexpr qsizetype sliceCharacters = 64 * 1024;
constexpr qint64 sliceMilliseconds = 16;  // a frame at 60 Hz

}  // namespace

ProgramLoader::ProgramLoader(QPlainTextEdit& editor, QObject* parent)
    : QObject(parent), editor_(editor) {
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &ProgramLoader::appendSlice);
    connect(editor_.document(), &QTextDocument::contentsChange, this, &ProgramLoader::noticeChange);
}

// Neither the text nor the block formats are for Undo to take away again.
void ProgramLoader::load(const EditorText& text, bool readOnly) {
    if (loading()) settle();
    text_ = text.shown();
    formats_ = text.blockFormats();
    nextFormat_ = 0;
    readOnly_ = readOnly;
    const qsizetype firstEnd = sliceEnd(0, firstLines);
    QTextDocument& document = *editor_.document();
    document.setUndoRedoEnabled(false);
    appending_ = true;
    editor_.setPlainText(text_.left(firstEnd));
    formatBlocks();
    appending_ = false;
    document.setModified(false);
    next_ = firstEnd;
    if (firstEnd == text_.size()) {
        settle();
        return;
    }
    editor_.setReadOnly(true);
    slices_.start();
}

void ProgramLoader::finish() {
    if (!loading()) return;
    appendUpTo(text_.size());
    settle();
}

void ProgramLoader::appendSlice() {
    QElapsedTimer clock;
    clock.start();
    while (loading() && clock.elapsed() < sliceMilliseconds)
        appendUpTo(sliceEnd(next_ + 1, pieceLines));
    if (!loading()) settle();
}

// Each slice starts with the line feed that ends the line before it.
void ProgramLoader::appendUpTo(qsizetype end) {
    QTextDocument& document = *editor_.document();
    const bool modified = document.isModified();
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    appending_ = true;
    cursor.insertText(text_.mid(next_, end - next_));
    formatBlocks();
    appending_ = false;
    document.setModified(modified);
    next_ = end < text_.size() ? end : -1;
}

// Every block in the document is a whole line by now.
void ProgramLoader::formatBlocks() {
    const QTextDocument& document = *editor_.document();
    for (; nextFormat_ < formats_.size() && formats_[nextFormat_].first < document.blockCount();
         ++nextFormat_) {
        const auto& [number, format] = formats_[nextFormat_];
        QTextCursor(document.findBlockByNumber(number)).setBlockFormat(format);
    }
}

// Where the line feed after this many more lines stands, or after the line
// that reaches the slice's length, or the text's end.
qsizetype ProgramLoader::sliceEnd(qsizetype from, int lines) const {
    for (qsizetype at = from, i = 1;; ++i, ++at) {
        at = text_.indexOf(u'\n', at);
        if (at < 0) return text_.size();
        if (i == lines || at - from >= sliceCharacters) return at;
    }
}

// An edit that reaches the end of what is in (Clear, a new text) leaves no
// place for the rest, which is dropped; edits before it keep their place.
void ProgramLoader::noticeChange(int from, int removed, int added) {
    if (appending_ || !loading()) return;
    const int lengthBefore = editor_.document()->characterCount() - added + removed;
    if (removed > 0 && from + removed >= lengthBefore - 1) {
        next_ = -1;
        text_.clear();
        formats_.clear();
    }
}

void ProgramLoader::settle() {
    slices_.stop();
    next_ = -1;
    text_.clear();
    formats_.clear();
    editor_.document()->setUndoRedoEnabled(true);
    editor_.setReadOnly(readOnly_);
}

}  // namespace tarvo::app
