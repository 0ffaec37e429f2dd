#include "app/files/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <optional>

#include "app/base/Prompts.h"
#include "app/base/WholeFile.h"
#include "app/files/ProgramLoader.h"

namespace tarvo::app {

namespace {

const QString untitledCaption = QStringLiteral("新文件");
const QString openFilter = QStringLiteral("NC代码 (*.nc);;所有文件 (*.*)");
const QString saveFilter = QStringLiteral("textfile (*.nc)");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

std::optional<QByteArray> readWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// Why a file could not be read, in the user's words.
QString unreadableText(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return QStringLiteral("这是文件夹，不是文件：%1").arg(shown(path));
    if (!info.exists()) return QStringLiteral("找不到文件：%1").arg(shown(path));
    return QStringLiteral("无法读取文件：%1").arg(shown(path));
}

}  // namespace

ProgramFiles::ProgramFiles(QPlainTextEdit& editor, Prompts& prompts, QObject* parent)
    : QObject(parent),
      editor_(editor),
      prompts_(prompts),
      loader_(new ProgramLoader(editor, this)),
      caption_(untitledCaption) {
    connect(loader_, &ProgramLoader::loaded, this, &ProgramFiles::takeLoadedText);
}

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
    return encoding_.withLineEndings(editor_.toPlainText()).toUtf8().toStdString();
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

bool ProgramFiles::write(const QString& path) {
    loader_->finish();
    const QString text = editor_.toPlainText();
    const std::optional<QByteArray> bytes =
        text == loadedText_ ? loadedBytes_ : encoding_.encode(text);
    if (!bytes || !writeWhole(path, *bytes)) {
        prompts_.message(QStringLiteral("保存失败"),
                         QStringLiteral("无法保存文件：%1").arg(shown(path)));
        return false;
    }
    loadedText_ = text;
    loadedBytes_ = *bytes;
    editor_.document()->setModified(false);
    return true;
}

void ProgramFiles::load(const QString& path) {
    const QString title = QStringLiteral("打开失败");
    const std::optional<QByteArray> bytes = readWhole(path);
    if (!bytes) {
        prompts_.message(title, unreadableText(path));
        return;
    }
    const std::optional<DecodedProgram> program = ProgramEncoding::decode(*bytes);
    if (!program) {
        prompts_.message(title,
                         QStringLiteral("文件不是 UTF-8 或 GBK 编码的文本：%1").arg(shown(path)));
        return;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    adopt(*program, *bytes, absolute);
    emit opened(absolute);
}

void ProgramFiles::adopt(const DecodedProgram& program, const QByteArray& bytes,
                         const QString& caption) {
    encoding_ = program.encoding;
    loadedBytes_ = bytes;
    loadedText_.clear();
    loader_->load(program.text);
    setCaption(caption);
}

// What the editor shows of an untouched file, which is what a later save
// compares against; a text edited while it came in matches no file.
void ProgramFiles::takeLoadedText() {
    if (!editor_.document()->isModified()) loadedText_ = editor_.toPlainText();
}

void ProgramFiles::startUntitled() {
    adopt(DecodedProgram{}, QByteArray(), untitledCaption);
}

void ProgramFiles::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    emit captionChanged(caption_);
}

}  // namespace tarvo::app
