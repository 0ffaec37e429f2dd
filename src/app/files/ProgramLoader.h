#pragma once

#include <QObject>
#include <QString>
#include <QTextBlockFormat>
#include <QTimer>
#include <utility>
#include <vector>

class QPlainTextEdit;

namespace tarvo::app {

class EditorText;

// Puts a program's text into the editor. Building the editor's lines is
// what makes a long program slow to open (a few microseconds a line inside
// the text document, whatever is done around it), so a long program goes
// in a slice at a time between the window's events: its first lines show
// at once, the rest follows within a fraction of a second, and the window
// answers all the while. A slice ends after so many lines or characters,
// whichever comes first. The editor is read-only until the whole text is
// in; Run and Save take the rest at once through finish().
class ProgramLoader : public QObject {
    Q_OBJECT

public:
    explicit ProgramLoader(QPlainTextEdit& editor, QObject* parent = nullptr);

    // Replaces the editor's text, its lines with their block formats; the
    // document reads as unmodified, with nothing to undo. A read-only text
    // stays read-only once it is in.
    void load(const EditorText& text, bool readOnly);
    // The rest of the text, at once.
    void finish();
    bool loading() const { return next_ >= 0; }

private:
    void appendSlice();
    void appendUpTo(qsizetype end);
    void formatBlocks();
    qsizetype sliceEnd(qsizetype from, int lines) const;
    void noticeChange(int from, int removed, int added);
    void settle();

    QPlainTextEdit& editor_;
    QString text_;
    std::vector<std::pair<int, QTextBlockFormat>> formats_;
    std::size_t nextFormat_ = 0;
    qsizetype next_ = -1;  // index of the line feed the next slice starts with; -1 when all is in
    bool appending_ = false;
    bool readOnly_ = false;
    QTimer slices_;
};

}  // namespace tarvo::app
