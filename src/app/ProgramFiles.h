#pragma once

#include <QObject>
#include <QString>
#include <string>

class QPlainTextEdit;

namespace tarvo::app {

class Prompts;

// The NC program as a document: the editor's text, the file it came from
// (the editor frame's caption: "新文件" or the full path), and how that file
// was written (encoding, line endings), so an unchanged file saves back byte
// for byte. New, Open, Save, Save As and the clear-screen button.
class ProgramFiles : public QObject {
    Q_OBJECT

public:
    ProgramFiles(QPlainTextEdit& editor, Prompts& prompts, QObject* parent = nullptr);

    void newProgram();
    void open();
    void openPath(const QString& path);
    void save();
    void saveAs();
    // "清屏..": the editor emptied and untitled, after asking about changes.
    void clearEditor();
    // Asks save / discard / cancel when the editor holds unsaved changes;
    // true when the caller may go on and drop the text.
    bool mayDiscard();

    QString caption() const { return caption_; }
    // What Run hands the interpreter: the editor's text as UTF-8, with the
    // document's line endings (CR LF for new programs).
    std::string programText() const;

signals:
    void captionChanged(const QString& caption);
};

}  // namespace tarvo::app
