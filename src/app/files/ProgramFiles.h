#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "app/files/EditorText.h"
#include "files/ProgramEncoding.h"

class QPlainTextEdit;

namespace tarvo::app {

class ProgramLoader;
class Prompts;

// The NC program as a document: the editor's text, the file it came from
// (the editor frame's caption: "新文件" or the full path), and how that file
// was written (encoding, line endings), so that Save changes only the lines
// the user edited (see EditorText). New, Open, Save, Save As and the
// clear-screen button. Every way of opening a program (the Open dialog, the
// command line, a drop, the recent files) comes through openPath() or
// open(), which read the file as the runner does (files::readProgramFile).
class ProgramFiles : public QObject {
    Q_OBJECT

public:
    ProgramFiles(QPlainTextEdit& editor, Prompts& prompts, QObject* parent = nullptr);

    void newProgram();
    void open();
    void openPath(const QString& path);
    void save();
    void saveAs();
    // "清屏..": the editor emptied and untitled, after asking about changes;
    // false when the user chose to keep the text.
    bool clearEditor();
    // Asks save / discard / cancel when the editor holds unsaved changes;
    // true when the caller may go on and drop the text.
    bool mayDiscard();

    // The full path, or "新文件" in the language of the moment.
    QString caption() const;
    // A long program is still coming into the editor (see ProgramLoader).
    bool loading() const;
    // What Run hands the interpreter: the editor's lines in UTF-8 with their
    // own endings (new lines with the file's usual one, CR LF in a new
    // program); for an unchanged file exactly the text the runner reads from
    // it. The whole of a long program that is still coming in, and of one
    // whose long lines the editor shows cut short.
    std::string programText() const;

signals:
    void captionChanged(const QString& caption);
    // A program was read from this file (an absolute path).
    void opened(const QString& path);

private:
    bool hasUnsavedWork() const;
    bool editorEmpty() const;
    bool isUntitled() const;
    bool saveInPlace();
    bool write(const QString& path);
    void load(const QString& path);
    void adopt(files::DecodedProgram program, const QString& caption);
    void startUntitled();
    void setCaption(const QString& caption);

    QPlainTextEdit& editor_;
    Prompts& prompts_;
    ProgramLoader* loader_;
    QString caption_;
    files::ProgramEncoding encoding_;
    EditorText::Ending usual_ = EditorText::Ending::CrLf;
    // The program whose long lines the editor shows cut short, read-only.
    std::optional<std::string> whole_;
};

}  // namespace tarvo::app
