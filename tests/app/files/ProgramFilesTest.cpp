#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>

#include "app/base/Prompts.h"
#include "app/files/ProgramFiles.h"
#include "app/support/ScriptedPrompts.h"

using tarvo::app::ProgramFiles;
using tarvo::app::SaveChoice;
using tarvo::app::ScriptedPrompts;

namespace {

const QString untitled = QStringLiteral("新文件");
const QString openDialog = QStringLiteral("open Open NC代码 (*.nc);;所有文件 (*.*)");
const QString saveDialog = QStringLiteral("save Save textfile (*.nc)");
const QString saveAsDialog = QStringLiteral("save Save As textfile (*.nc)");
const QByteArray endUtf8 = "\xe7\xbb\x93\xe6\x9d\x9f";  // "结束"

// An editor and its files in a scratch folder.
struct Bench {
    QTemporaryDir dir;
    QPlainTextEdit editor;
    ScriptedPrompts prompts;
    ProgramFiles files{editor, prompts};

    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    QStringList fileNames() const { return QDir(dir.path()).entryList(QDir::Files); }
    void open(const QString& name) {
        prompts.names << path(name);
        files.open();
        prompts.log.clear();
    }
    void type(const QString& text) {
        editor.moveCursor(QTextCursor::End);
        editor.insertPlainText(text);
    }
    // Select all and Delete, as the user would (leaving the clipboard alone).
    void erase() {
        QTextCursor cursor(editor.document());
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
    }
    bool modified() const { return editor.document()->isModified(); }
    void run(const QString& command) {
        if (command == "new") files.newProgram();
        if (command == "open") files.open();
        if (command == "clear") files.clearEditor();
        if (command == "save") files.save();
        if (command == "saveAs") files.saveAs();
    }
};

// Writes beyond a few bytes fail (EFBIG) while it lives: a full disk, even for root.
struct FileSizeLimit {
    rlimit old{};
    FileSizeLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit tight = old;
        tight.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
};

}  // namespace

Q_DECLARE_METATYPE(SaveChoice)

class ProgramFilesTest : public QObject {
    Q_OBJECT

private slots:
    // A cancelled dialog, or an empty editor, writes nothing and changes nothing.
    void nothingIsWrittenWithoutNameOrText_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("titled");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("log");
        const auto row = [](const char* name, QString command, bool titled, QString text,
                            QStringList log) {
            QTest::newRow(name) << command << titled << text << log;
        };
        row("open cancelled", "open", false, "G00X2", {"ask", openDialog});
        row("save cancelled", "save", false, "G00X2", {saveDialog});
        row("save as cancelled", "saveAs", true, "G00X2", {saveAsDialog});
        row("save emptied", "save", true, "", {});
        row("save as empty", "saveAs", false, "", {});
    }
    void nothingIsWrittenWithoutNameOrText() {
        QFETCH(QString, command);
        QFETCH(bool, titled);
        QFETCH(QString, text);
        QFETCH(QStringList, log);
        Bench b;
        b.put("a.nc", "G00X1");
        if (titled) b.open("a.nc");
        b.erase();
        b.type(text);
        b.prompts.choices << SaveChoice::Discard;
        b.prompts.names << "";
        b.run(command);
        QCOMPARE(b.prompts.log, log);
        QCOMPARE(b.editor.toPlainText(), text);
        QCOMPARE(b.files.caption(), titled ? b.path("a.nc") : untitled);
        QCOMPARE(b.bytes("a.nc"), "G00X1");
        QCOMPARE(b.fileNames(), QStringList{"a.nc"});
    }

    // A file that cannot be read or decoded leaves editor and caption, saying why.
    void failedOpenLeavesEditor_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, QString path, QString message) {
            QTest::newRow(name) << path << message;
        };
        const QString notText = "文件不是 UTF-8 或 GBK 编码的文本：";
        row("missing", "none.nc", "找不到文件：");
        row("folder", "sub", "这是文件夹，不是文件：");
        row("read error", "/proc/self/mem", "无法读取文件：");
        row("binary", "binary.nc", notText);
        row("cut-off character", "cut.nc", notText);
    }
    void failedOpenLeavesEditor() {
        QFETCH(QString, path);
        QFETCH(QString, message);
        Bench b;
        b.put("a.nc", "G00X1");
        b.open("a.nc");
        b.type("\nM05");
        QVERIFY(QDir(b.dir.path()).mkdir("sub"));
        b.put("binary.nc", "G00\x80\xff");
        b.put("cut.nc", "G00 (\xd6\xd0\xce");
        if (path.startsWith('/') && !QFileInfo::exists(path)) QSKIP("no such system file here");
        if (!path.startsWith('/')) path = b.path(path);
        b.prompts.choices << SaveChoice::Discard;
        b.files.openPath(path);
        QCOMPARE(b.prompts.log.last(), "打开失败: " + message + path);
        QCOMPARE(b.editor.toPlainText(), "G00X1\nM05");
        QCOMPARE(b.files.caption(), b.path("a.nc"));
        QVERIFY(b.modified());
    }

    // A failed save leaves the old file whole, no stray file, and the text.
    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << QString("none/a.nc");
        QTest::newRow("folder") << QString("sub");
        QTest::newRow("disk full") << QString("a.nc");
        QTest::newRow("broken character") << QString("a.nc");
        QTest::newRow("pipe, as a device would be") << QString("pipe");
    }
    void failedSaveKeepsOldFile() {
        QFETCH(QString, name);
        const QString tag = QTest::currentDataTag();
        Bench b;
        b.put("a.nc", "old program");
        QVERIFY(QDir(b.dir.path()).mkdir("sub"));
        QCOMPARE(mkfifo(QFile::encodeName(b.path("pipe")).constData(), 0600), 0);
        b.type(tag == "broken character" ? QString("G00X1(") + QChar(0xD800) + ")\n"
                                         : QString("G00X100Y100\n"));
        b.prompts.choices << SaveChoice::Save;
        b.prompts.names << b.path(name);
        {
            std::optional<FileSizeLimit> limit;
            if (tag == "disk full") limit.emplace();
            QVERIFY(!b.files.clearEditor());
        }
        QCOMPARE(b.prompts.log.mid(0, 2), (QStringList{"ask", saveDialog}));
        QCOMPARE(b.prompts.log.last(), "保存失败: 无法保存文件：" + b.path(name));
        QCOMPARE(b.bytes("a.nc"), "old program");
        QCOMPARE(b.fileNames(), QStringList{"a.nc"});
        QVERIFY(QFileInfo(b.path("pipe")).exists() && !QFileInfo(b.path("pipe")).isFile());
        QVERIFY(b.modified());
    }

    // Unchanged files copy byte for byte; edits keep encoding and line ending; Run gets UTF-8.
    void encodingAndLineEndingsAreKept_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QByteArray>("program");  // when it differs from what is saved
        const auto row = [](const char* name, QByteArray bytes, QByteArray saved,
                            QByteArray program = {}) {
            QTest::newRow(name) << bytes << saved << (program.isEmpty() ? saved : program);
        };
        const QByteArray u = endUtf8, bom = "\xef\xbb\xbf";
        row("UTF-8 CR LF", "G00\r\nM05\r\n", "G00\r\nM05\r\n\r\n" + u);
        row("UTF-8 LF", "G00\nM05", "G00\nM05\n" + u);
        row("UTF-8 CR", "G00\rM05", "G00\rM05\r" + u);
        row("UTF-8 BOM", bom + "G00\nM05", bom + "G00\nM05\n" + u, "G00\nM05\n" + u);
        row("GB18030 CR LF", "(\xd6\xd0)\r\nM05", "(\xd6\xd0)\r\nM05\r\n\xbd\xe1\xca\xf8",
            "(\xe4\xb8\xad)\r\nM05\r\n" + u);
        row("mixed, mostly LF", "G00\r\nG01\nG02\rM05\n", "G00\nG01\nG02\nM05\n\n" + u);
    }
    void encodingAndLineEndingsAreKept() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        QFETCH(QByteArray, program);
        Bench b;
        b.put("a.nc", bytes);
        b.open("a.nc");
        QCOMPARE(b.files.caption(), b.path("a.nc"));
        QVERIFY(!b.modified());
        b.prompts.names << b.path("copy.nc");
        b.files.saveAs();
        QCOMPARE(b.bytes("copy.nc"), bytes);
        b.type("\n结束");
        QCOMPARE(QByteArray::fromStdString(b.files.programText()), program);
        b.files.save();
        QCOMPARE(b.bytes("a.nc"), saved);
        QCOMPARE(b.prompts.log, QStringList{saveAsDialog});
        QCOMPARE(b.files.caption(), b.path("a.nc"));
    }

    // Unsaved work asks first: Save writes in place, Discard goes on, Cancel keeps everything.
    void askBeforeDroppingWork_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<SaveChoice>("choice");
        for (const char* command : {"new", "clear", "open"}) {
            QTest::addRow("%s save", command) << QString(command) << SaveChoice::Save;
            QTest::addRow("%s discard", command) << QString(command) << SaveChoice::Discard;
            QTest::addRow("%s cancel", command) << QString(command) << SaveChoice::Cancel;
        }
    }
    void askBeforeDroppingWork() {
        QFETCH(QString, command);
        QFETCH(SaveChoice, choice);
        Bench b;
        b.put("a.nc", "G00X1");
        b.put("b.nc", "G01Y2");
        b.open("a.nc");
        b.type("\nM05");
        b.prompts.choices << choice;
        b.prompts.names << b.path("b.nc");
        b.run(command);
        const bool kept = choice == SaveChoice::Cancel, opened = command == "open";
        QCOMPARE(b.prompts.log.first(), "ask");
        QCOMPARE(b.bytes("a.nc"), choice == SaveChoice::Save ? "G00X1\r\nM05" : "G00X1");
        QCOMPARE(b.editor.toPlainText(), kept ? "G00X1\nM05" : opened ? "G01Y2" : "");
        QCOMPARE(b.files.caption(), kept ? b.path("a.nc") : opened ? b.path("b.nc") : untitled);
        QCOMPARE(b.modified(), kept);
    }

    // Without work to lose nothing asks; untitled saves as UTF-8 CR LF and asks a name each time.
    void startingAfreshWithoutWork_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("command");
        QTest::newRow("unchanged, new") << QString() << QString("new");
        QTest::newRow("emptied, clear") << QString("erase") << QString("clear");
        QTest::newRow("undone, new") << QString("undo") << QString("new");
    }
    void startingAfreshWithoutWork() {
        QFETCH(QString, edit);
        QFETCH(QString, command);
        Bench b;
        b.put("a.nc", "(\xd6\xd0)\nM05");
        b.open("a.nc");
        if (!edit.isEmpty()) b.type("\nM05");
        if (edit == "erase") b.erase();
        if (edit == "undo") b.editor.undo();
        QSignalSpy captions(&b.files, &ProgramFiles::captionChanged);
        QVERIFY(b.files.mayDiscard());
        b.run(command);
        QVERIFY(b.prompts.log.isEmpty());
        QCOMPARE(b.editor.toPlainText(), "");
        QCOMPARE(captions.size(), 1);
        QCOMPARE(b.files.caption(), untitled);
        b.type("结束\nM05");
        b.prompts.names << b.path("new.nc") << b.path("again.nc");
        b.files.save();
        b.files.save();
        QCOMPARE(b.prompts.log, (QStringList{saveDialog, saveDialog}));
        QCOMPARE(b.bytes("new.nc"), endUtf8 + "\r\nM05");
        QCOMPARE(b.bytes("again.nc"), b.bytes("new.nc"));
        QCOMPARE(b.files.caption(), untitled);
        QVERIFY(!b.modified());
        b.type("\nM30");  // asked before clearing, Save names a file and lets go
        b.prompts.choices << SaveChoice::Save;
        b.prompts.names << b.path("last.nc");
        QVERIFY(b.files.clearEditor());
        QCOMPARE(b.bytes("last.nc"), endUtf8 + "\r\nM05\r\nM30");
    }
};

QTEST_MAIN(ProgramFilesTest)
#include "ProgramFilesTest.moc"
