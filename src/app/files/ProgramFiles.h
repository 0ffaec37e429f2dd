#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <string>

#include "app/files/ProgramEncoding.h"

class QPlainTextEdit;

namespace tarvo::app {

class ProgramLoader;
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
    // "清屏..": the editor emptied and untitled, after asking about changes;
    // false when the user chose to keep the text.
    bool clearEditor();
    // Asks save / discard / cancel when the editor holds unsaved changes;
    // true when the caller may go on and drop the text.
    bool mayDiscard();

    QString caption() const { return caption_; }
    // A long program is still coming into the editor (see ProgramLoader).
    bool loading() const;
    // What Run hands the interpreter: the editor's text as UTF-8, with the
    // document's line endings (CR LF for new programs); the whole of a long
    // program that is still coming in.
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
    void adopt(const DecodedProgram& program, const QByteArray& bytes, const QString& caption);
    void takeLoadedText();
    void startUntitled();
    void setCaption(const QString& caption);

    QPlainTextEdit& editor_;
    Prompts& prompts_;
    ProgramLoader* loader_;
    QString caption_;
    ProgramEncoding encoding_;
    // The editor's text as last read or written, and the file's bytes for
    // it: an unchanged text goes back to disk as exactly these bytes.
    QString loadedText_;
    QByteArray loadedBytes_;
};

}  // namespace tarvo::app
