#include "app/files/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <optional>

#include "app/base/Prompts.h"
#include "app/files/ProgramLoader.h"
#include "files/LongLines.h"
#include "files/OpenRefusals.h"
#include "files/ProgramFile.h"
#include "files/WholeFile.h"

namespace tarvo::app {

namespace {

const QString untitledCaption = QStringLiteral("新文件");
const QString openFilter = QStringLiteral("NC代码 (*.nc);;所有文件 (*.*)");
const QString saveFilter = QStringLiteral("textfile (*.nc)");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Why a file could not be read, in the user's words.
QString unreadableText(files::ReadProblem problem, const QString& path) {
    return QString::fromStdString(files::unreadableText(problem, shown(path).toStdString()));
}

}  // namespace

ProgramFiles::ProgramFiles(QPlainTextEdit& editor, Prompts& prompts, QObject* parent)
    : QObject(parent),
      editor_(editor),
      prompts_(prompts),
      loader_(new ProgramLoader(editor, this)),
      caption_(untitledCaption) {}

void ProgramFiles::newProgram() {
    if (mayDiscard()) startUntitled();
}

void ProgramFiles::open() {
    if (!mayDiscard()) return;
    const QString path = prompts_.openFileName(QStringLiteral("Open"), openFilter);
    if (!path.isEmpty()) load(path);
}

void ProgramFiles::openPath(const QString& path) {
    if (mayDiscard()) load(path);
}

void ProgramFiles::save() {
    if (!editorEmpty()) saveInPlace();
}

void ProgramFiles::saveAs() {
    if (editorEmpty()) return;
    const QString path = prompts_.saveFileName(QStringLiteral("Save As"), saveFilter);
    if (!path.isEmpty()) write(path);
}

bool ProgramFiles::clearEditor() {
    if (!mayDiscard()) return false;
    startUntitled();
    return true;
}

bool ProgramFiles::mayDiscard() {
    if (!hasUnsavedWork()) return true;
    switch (prompts_.askSaveChanges()) {
        case SaveChoice::Save:
            return saveInPlace();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            return false;
    }
    return false;
}

bool ProgramFiles::loading() const {
    return loader_->loading();
}

std::string ProgramFiles::programText() const {
    loader_->finish();
    if (whole_) return *whole_;
    return EditorText::program(*editor_.document(), usual_).toUtf8().toStdString();
}

// An emptied editor loses nothing: the file on disk still holds the program.
bool ProgramFiles::hasUnsavedWork() const {
    return editor_.document()->isModified() && !editorEmpty();
}

bool ProgramFiles::editorEmpty() const {
    return editor_.document()->isEmpty();
}

bool ProgramFiles::isUntitled() const {
    return caption_ == untitledCaption;
}

// True when the text is safely on disk afterwards.
bool ProgramFiles::saveInPlace() {
    const QString path =
        isUntitled() ? prompts_.saveFileName(QStringLiteral("Save"), saveFilter) : caption_;
    return !path.isEmpty() && write(path);
}

// Text with a broken character (a lone UTF-16 surrogate) cannot go into
// any file; the encoder would drop it without a word.
bool ProgramFiles::write(const QString& path) {
    loader_->finish();
    std::optional<std::string> bytes;
    if (whole_) {
        bytes = encoding_.encode(*whole_);
    } else if (const QString text = EditorText::program(*editor_.document(), usual_);
               text.isValidUtf16()) {
        bytes = encoding_.encode(text.toUtf8().toStdString());
    }
    if (!bytes || !files::writeWhole(QFile::encodeName(path).toStdString(), *bytes)) {
        prompts_.message(QStringLiteral("保存失败"),
                         QStringLiteral("无法保存文件：%1").arg(shown(path)));
        return false;
    }
    editor_.document()->setModified(false);
    return true;
}

void ProgramFiles::load(const QString& path) {
    const QString title = QString::fromUtf8(files::openRefusedTitle.data(),
                                            static_cast<qsizetype>(files::openRefusedTitle.size()));
    files::ProgramBytes file = files::readProgramFile(QFile::encodeName(path).toStdString());
    if (file.problem != files::ReadProblem::None) {
        prompts_.message(title, unreadableText(file.problem, path));
        return;
    }
    std::optional<files::DecodedProgram> program = files::ProgramEncoding::decode(file.bytes);
    if (!program) {
        prompts_.message(title,
                         QString::fromStdString(files::undecodableText(shown(path).toStdString())));
        return;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    adopt(std::move(*program), absolute);
    emit opened(absolute);
}

// A program with a line too long to lay out opens read-only, its long lines
// cut short in the editor; Run and Save take it whole.
void ProgramFiles::adopt(files::DecodedProgram program, const QString& caption) {
    const EditorText text(program.text);
    encoding_ = program.encoding;
    usual_ = text.usual();
    const bool cut = text.firstCutLine() >= 0;
    whole_ = cut ? std::optional(std::move(program.text)) : std::nullopt;
    loader_->load(text, cut);
    setCaption(caption);
    if (!cut) return;
    prompts_.message(
        QString::fromUtf8(files::readOnlyTitle.data(),
                          static_cast<qsizetype>(files::readOnlyTitle.size())),
        QString::fromStdString(files::readOnlyText(static_cast<std::size_t>(text.firstCutLine()),
                                                   shown(caption).toStdString())));
}

void ProgramFiles::startUntitled() {
    adopt(files::DecodedProgram{}, untitledCaption);
}

void ProgramFiles::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    emit captionChanged(caption_);
}

}  // namespace tarvo::app
