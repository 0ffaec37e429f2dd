#include <sys/resource.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>

#include "ScriptedPrompts.h"
#include "app/ProgramFiles.h"
#include "app/Prompts.h"

using tarvo::app::ProgramFiles;
using tarvo::app::Prompts;
using tarvo::app::SaveChoice;
using tarvo::app::ScriptedPrompts;

namespace {

const QString untitled = QStringLiteral("新文件");
const QString openDialog = QStringLiteral("open Open NC代码 (*.nc);;所有文件 (*.*)");
const QString saveDialog = QStringLiteral("save Save textfile (*.nc)");
const QString saveAsDialog = QStringLiteral("save Save As textfile (*.nc)");

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

// Writes beyond a few bytes fail (EFBIG) while it lives, a disk filling up
// mid-save that permissions could not fake for root.
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
    void openShowsTextAndPath() {
        Bench b;
        b.put("a.nc", "G00X1\r\nM05");
        QSignalSpy captions(&b.files, &ProgramFiles::captionChanged);
        b.prompts.names << b.path("a.nc");
        b.files.open();
        QCOMPARE(b.prompts.log, QStringList{openDialog});
        QCOMPARE(b.editor.toPlainText(), "G00X1\nM05");
        QCOMPARE(b.files.caption(), b.path("a.nc"));
        QCOMPARE(captions.size(), 1);
        QCOMPARE(captions[0][0].toString(), b.path("a.nc"));
        QVERIFY(!b.modified());
    }

    void openPathNeedsNoDialog() {
        Bench b;
        b.put("a.nc", "G00X1");
        b.files.openPath(b.path("a.nc"));
        QCOMPARE(b.editor.toPlainText(), "G00X1");
        QCOMPARE(b.files.caption(), b.path("a.nc"));
        b.files.openPath(b.path("none.nc"));
        QCOMPARE(b.prompts.log, QStringList{"打开失败: 找不到文件：" + b.path("none.nc")});
        QCOMPARE(b.files.caption(), b.path("a.nc"));
    }

    // The caption stays "新文件", so every Save asks again.
    void untitledSaveAsksEveryTime() {
        Bench b;
        b.type("G01X1\n结束");
        b.prompts.names << b.path("one.nc") << b.path("two");
        b.files.save();
        b.files.save();
        QCOMPARE(b.prompts.log, (QStringList{saveDialog, saveDialog}));
        QCOMPARE(b.bytes("one.nc"), "G01X1\r\n\xe7\xbb\x93\xe6\x9d\x9f");
        QCOMPARE(b.bytes("two"), b.bytes("one.nc"));
        QCOMPARE(QByteArray::fromStdString(b.files.programText()), "G01X1\r\n结束");
        QCOMPARE(b.files.caption(), untitled);
        QVERIFY(!b.modified());
    }

    void titledSaveWritesInPlaceAndSaveAsKeepsCaption() {
        Bench b;
        b.put("a.nc", "G00X1");
        b.open("a.nc");
        b.type("\nM05");
        b.prompts.names << b.path("b.nc");
        b.files.saveAs();
        QCOMPARE(b.bytes("b.nc"), "G00X1\r\nM05");
        QCOMPARE(b.bytes("a.nc"), "G00X1");
        b.type("\nM30");
        b.files.save();
        QCOMPARE(b.prompts.log, QStringList{saveAsDialog});
        QCOMPARE(b.bytes("a.nc"), "G00X1\r\nM05\r\nM30");
        QCOMPARE(b.files.caption(), b.path("a.nc"));
    }

    void cancelledDialogChangesNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("open") << "open" << openDialog;
        QTest::newRow("save") << "save" << saveDialog;
        QTest::newRow("save as") << "saveAs" << saveAsDialog;
    }
    void cancelledDialogChangesNothing() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        Bench b;
        b.type("G00X1");
        b.prompts.choices << SaveChoice::Discard;
        b.prompts.names << "";
        b.run(command);
        QCOMPARE(b.prompts.log.last(), dialog);
        QCOMPARE(b.editor.toPlainText(), "G00X1");
        QCOMPARE(b.files.caption(), untitled);
        QVERIFY(b.modified());
        QVERIFY(QDir(b.dir.path()).isEmpty());
    }

    void emptyEditorSavesNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("titled");
        QTest::newRow("save untitled") << "save" << false;
        QTest::newRow("save as untitled") << "saveAs" << false;
        QTest::newRow("save titled") << "save" << true;
        QTest::newRow("save as titled") << "saveAs" << true;
    }
    void emptyEditorSavesNothing() {
        QFETCH(QString, command);
        QFETCH(bool, titled);
        Bench b;
        b.put("a.nc", "G00X1");
        if (titled) b.open("a.nc");
        b.type("M05");
        b.erase();
        b.run(command);
        QCOMPARE(b.prompts.log, QStringList());
        QCOMPARE(b.bytes("a.nc"), "G00X1");
    }

    void failedOpenLeavesEditor_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        const QString notText = "文件不是 UTF-8 或 GBK 编码的文本：";
        QTest::newRow("missing") << "none.nc"
                                 << "找不到文件：";
        QTest::newRow("folder") << "sub"
                                << "这是文件夹，不是文件：";
        QTest::newRow("no permission") << "locked.nc"
                                       << "无法读取文件：";
        QTest::newRow("read error") << "/proc/self/mem"
                                    << "无法读取文件：";
        QTest::newRow("binary") << "binary.nc" << notText;
        QTest::newRow("cut-off character") << "cut.nc" << notText;
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
        b.put("locked.nc", "G00X1");
        QFile::setPermissions(b.path("locked.nc"), {});
        if (path == "locked.nc" && QFile(b.path(path)).open(QIODevice::ReadOnly)) {
            QSKIP("permissions do not bind this user");
        }
        if (path.startsWith('/') && !QFileInfo::exists(path)) QSKIP("no such system file here");
        if (!path.startsWith('/')) path = b.path(path);
        b.prompts.choices << SaveChoice::Discard;
        b.prompts.names << path;
        b.files.open();
        QCOMPARE(b.prompts.log.last(), "打开失败: " + message + path);
        QCOMPARE(b.editor.toPlainText(), "G00X1\nM05");
        QCOMPARE(b.files.caption(), b.path("a.nc"));
        QVERIFY(b.modified());
    }

    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("missing folder") << "none/a.nc"
                                        << "G00X1" << false;
        QTest::newRow("folder") << "sub"
                                << "G00X1" << false;
        QTest::newRow("disk full") << "a.nc"
                                   << "G00X100Y100" << true;
        QTest::newRow("broken character")
            << "a.nc" << QString("G00X1(") + QChar(0xD800) + ')' << false;
    }
    void failedSaveKeepsOldFile() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, diskFull);
        Bench b;
        b.put("a.nc", "old program");
        QVERIFY(QDir(b.dir.path()).mkdir("sub"));
        b.editor.setPlainText(text);
        b.type("\n");
        b.prompts.names << b.path(name);
        {
            std::optional<FileSizeLimit> limit;
            if (diskFull) limit.emplace();
            b.files.save();
        }
        QCOMPARE(b.prompts.log.last(), "保存失败: 无法保存文件：" + b.path(name));
        QCOMPARE(b.bytes("a.nc"), "old program");
        QCOMPARE(QDir(b.dir.path()).entryList(QDir::Files), QStringList{"a.nc"});
        QVERIFY(b.modified());
    }

    // Open, then Save As: the new file is a byte-for-byte copy.
    void unchangedFileRoundTrips_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8 CR LF") << QByteArray("G00X1\r\n(\xe4\xb8\xad)\r\n");
        QTest::newRow("UTF-8 LF") << QByteArray("G00X1\n(\xe4\xb8\xad)\n");
        QTest::newRow("UTF-8 CR") << QByteArray("G00X1\r(\xe4\xb8\xad)\r");
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfG00X1\r\nM05");
        QTest::newRow("GBK CR LF") << QByteArray("G00X1\r\n(\xd6\xd0\xce\xc4)\r\n");
        QTest::newRow("mixed endings") << QByteArray("G00X1\r\nG01Y2\nM05\rM30\n\r\n");
        QTest::newRow("no final ending") << QByteArray("G00X1\r\nM05");
    }
    void unchangedFileRoundTrips() {
        QFETCH(QByteArray, bytes);
        Bench b;
        b.put("a.nc", bytes);
        b.open("a.nc");
        b.prompts.names << b.path("copy.nc");
        b.files.saveAs();
        QCOMPARE(b.bytes("copy.nc"), bytes);
    }

    // A line "结束" typed at the end goes out in the file's own encoding and
    // line ending (the one most of its lines use); the interpreter gets the
    // same line endings in UTF-8.
    void changedFileKeepsEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QByteArray>("program");
        const QByteArray utf8 = "\xe7\xbb\x93\xe6\x9d\x9f", gbk = "\xbd\xe1\xca\xf8";
        QTest::newRow("UTF-8 CR LF")
            << QByteArray("G00\r\nM05") << "G00\r\nM05\r\n" + utf8 << "G00\r\nM05\r\n" + utf8;
        QTest::newRow("UTF-8 LF") << QByteArray("G00\nM05") << "G00\nM05\n" + utf8
                                  << "G00\nM05\n" + utf8;
        QTest::newRow("UTF-8 CR") << QByteArray("G00\rM05") << "G00\rM05\r" + utf8
                                  << "G00\rM05\r" + utf8;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfG00\nM05")
                                        << "\xef\xbb\xbfG00\nM05\n" + utf8 << "G00\nM05\n" + utf8;
        QTest::newRow("GBK CR LF")
            << QByteArray("(\xd6\xd0)\r\nM05") << "(\xd6\xd0)\r\nM05\r\n" + gbk
            << "(\xe4\xb8\xad)\r\nM05\r\n" + utf8;
        QTest::newRow("mostly LF")
            << QByteArray("G00\r\nG01\nG02\nM05") << "G00\nG01\nG02\nM05\n" + utf8
            << "G00\nG01\nG02\nM05\n" + utf8;
    }
    void changedFileKeepsEncoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        QFETCH(QByteArray, program);
        Bench b;
        b.put("a.nc", bytes);
        b.open("a.nc");
        b.type("\n结束");
        QCOMPARE(QByteArray::fromStdString(b.files.programText()), program);
        b.files.save();
        QCOMPARE(b.bytes("a.nc"), saved);
    }

    void startingAfreshForgetsTheFile_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("new") << "new";
        QTest::newRow("clear") << "clear";
    }
    void startingAfreshForgetsTheFile() {
        QFETCH(QString, command);
        Bench b;
        b.put("a.nc", "(\xd6\xd0)\nM05");
        b.open("a.nc");
        QSignalSpy captions(&b.files, &ProgramFiles::captionChanged);
        b.run(command);
        QCOMPARE(b.editor.toPlainText(), "");
        QCOMPARE(captions.size(), 1);
        QCOMPARE(captions[0][0].toString(), untitled);
        b.type("结束\nM05");
        b.prompts.names << b.path("new.nc");
        b.files.save();
        QCOMPARE(b.bytes("new.nc"), "\xe7\xbb\x93\xe6\x9d\x9f\r\nM05");
    }

    // A titled editor with a typed line; Save writes without a dialog.
    void askBeforeDroppingWork_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<SaveChoice>("choice");
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        for (const QString command : {"new", "clear", "open"}) {
            const QString next = command == "open" ? "G01Y2" : "";
            const QString nextCaption = command == "open" ? "b.nc" : untitled;
            QTest::addRow("%s save", qPrintable(command))
                << command << SaveChoice::Save << QByteArray("G00X1\r\nM05") << next << nextCaption;
            QTest::addRow("%s discard", qPrintable(command))
                << command << SaveChoice::Discard << QByteArray("G00X1") << next << nextCaption;
            QTest::addRow("%s cancel", qPrintable(command))
                << command << SaveChoice::Cancel << QByteArray("G00X1") << "G00X1\nM05"
                << "a.nc";
        }
    }
    void askBeforeDroppingWork() {
        QFETCH(QString, command);
        QFETCH(SaveChoice, choice);
        QFETCH(QByteArray, onDisk);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        Bench b;
        b.put("a.nc", "G00X1");
        b.put("b.nc", "G01Y2");
        b.open("a.nc");
        b.type("\nM05");
        b.prompts.choices << choice;
        b.prompts.names << b.path("b.nc");
        b.run(command);
        QCOMPARE(b.prompts.log.first(), "ask");
        QCOMPARE(b.bytes("a.nc"), onDisk);
        QCOMPARE(b.editor.toPlainText(), text);
        QCOMPARE(b.files.caption(), caption == untitled ? untitled : b.path(caption));
        QCOMPARE(b.modified(), choice == SaveChoice::Cancel);
    }

    // Untitled work: Save asks for a name, and only a saved text lets go.
    void untitledWorkMustReachDisk_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("mayDiscard");
        QTest::newRow("saved") << "a.nc" << true;
        QTest::newRow("name cancelled") << "" << false;
        QTest::newRow("save failed") << "none/a.nc" << false;
    }
    void untitledWorkMustReachDisk() {
        QFETCH(QString, name);
        QFETCH(bool, mayDiscard);
        Bench b;
        b.type("G00X1");
        b.prompts.choices << SaveChoice::Save;
        b.prompts.names << (name.isEmpty() ? name : b.path(name));
        QCOMPARE(b.files.clearEditor(), mayDiscard);
        QCOMPARE(b.prompts.log.mid(0, 2), (QStringList{"ask", saveDialog}));
        QCOMPARE(b.editor.toPlainText(), mayDiscard ? "" : "G00X1");
        QCOMPARE(b.bytes("a.nc"), mayDiscard ? "G00X1" : "<none>");
    }

    void noQuestionWithoutWork_data() {
        QTest::addColumn<QString>("edit");
        QTest::newRow("unchanged") << "";
        QTest::newRow("emptied") << "erase";
        QTest::newRow("undone") << "undo";
    }
    void noQuestionWithoutWork() {
        QFETCH(QString, edit);
        Bench b;
        b.put("a.nc", "G00X1");
        b.open("a.nc");
        if (!edit.isEmpty()) b.type("\nM05");
        if (edit == "erase") b.erase();
        if (edit == "undo") b.editor.undo();
        QVERIFY(b.files.mayDiscard());
        b.files.newProgram();
        QCOMPARE(b.prompts.log, QStringList());
        QCOMPARE(b.files.caption(), untitled);
    }
};

QTEST_MAIN(ProgramFilesTest)
#include "ProgramFilesTest.moc"
