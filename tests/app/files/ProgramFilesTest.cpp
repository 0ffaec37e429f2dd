#include <sys/stat.h>

#include "app/base/Prompts.h"
#include "app/files/ProgramFiles.h"
#include "app/support/ScriptedPrompts.h"
#include "app/support/TableFile.h"
#include "app/support/WindowUnderTest.h"
#include "files/ProgramEncoding.h"

using tarvo::app::addRows;
using tarvo::app::ProgramFiles;
using tarvo::app::SaveChoice;
using tarvo::app::ScriptedPrompts;
using tarvo::app::TableRow;

namespace {

const QString untitled = QStringLiteral("新文件");
const QString openDialog = QStringLiteral("open Open NC代码 (*.nc);;所有文件 (*.*)");
const QString saveDialog = QStringLiteral("save Save textfile (*.nc)");
const QString saveAsDialog = QStringLiteral("save Save As textfile (*.nc)");

SaveChoice choiceNamed(const QByteArray& word) {
    return word == "save"      ? SaveChoice::Save
           : word == "discard" ? SaveChoice::Discard
                               : SaveChoice::Cancel;
}

// The log a table names: ask, open, save and saveAs for the dialogs, @ for the name given.
QStringList expectedLog(const QByteArray& names, const QString& name) {
    const QHash<QString, QString> dialogs{
        {"ask", "ask"}, {"open", openDialog}, {"save", saveDialog}, {"saveAs", saveAsDialog}};
    QStringList log;
    for (const QByteArray& entry : names.split(',')) {
        const QString said = QString::fromUtf8(entry.trimmed());
        if (!said.isEmpty()) log << dialogs.value(said, QString(said).replace('@', name));
    }
    return log;
}

// An editor and its files in a scratch folder.
struct Bench {
    QTemporaryDir dir;
    QPlainTextEdit editor;
    ScriptedPrompts prompts;
    ProgramFiles files{editor, prompts};

    QString path(const QByteArray& name) const { return dir.filePath(QString::fromUtf8(name)); }
    void put(const QByteArray& name, const QByteArray& bytes) const {
        QVERIFY(tarvo::app::writeFile(path(name), bytes));
    }
    QByteArray bytes(const QByteArray& name) const { return tarvo::app::fileBytes(path(name)); }
    QStringList fileNames() const { return QDir(dir.path()).entryList(QDir::Files); }
    void open(const QByteArray& name) {
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
    void run(const QByteArray& command) {
        if (command == "new") files.newProgram();
        if (command == "open") files.open();
        if (command == "clear") files.clearEditor();
        if (command == "save") files.save();
        if (command == "saveAs") files.saveAs();
        if (command == "openPath") files.openPath(prompts.names.takeFirst());
    }
};

}  // namespace

class ProgramFilesTest : public QObject {
    Q_OBJECT

private slots:
    // A command, however its dialogs are answered, keeps all that the user did not give up.
    void commandsLoseNoWork_data() { QVERIFY(addRows("file-commands.tsv")); }
    void commandsLoseNoWork() {
        QFETCH(TableRow, row);
        const QByteArray name = row["name"];
        Bench b;
        b.put("a.nc", "G00X1");
        b.put("b.nc", "G01Y2");
        b.put("binary.nc", "G00\x80\xff");
        b.put("cut.nc", "G00 (\xd6\xd0\xce");
        b.put("big.nc", "");
        QVERIFY(QFile::resize(b.path("big.nc"), (qint64{64} << 20) + 1));
        QCOMPARE(mkfifo(QFile::encodeName(b.path("pipe.nc")).constData(), 0600), 0);
        QVERIFY(QDir(b.dir.path()).mkdir("sub"));
        const QString path = name.startsWith('/') ? QString::fromUtf8(name) : b.path(name);
        if (name.startsWith('/') && !QFileInfo::exists(path)) QSKIP("no such system file here");
        if (row["opened"] == "a.nc") b.open("a.nc");
        b.erase();
        b.type(QString::fromUtf8(row["text"]));
        b.prompts.choices << choiceNamed(row["answer"]);
        b.prompts.names << (name == "-" ? QString() : path);
        b.run(row["command"]);
        QCOMPARE(b.prompts.log, expectedLog(row["log"], path));
        QCOMPARE(b.editor.toPlainText(), QString::fromUtf8(row["after"]));
        QCOMPARE(b.files.caption(), row["caption"] == "-" ? untitled : b.path(row["caption"]));
        QCOMPARE(b.bytes("a.nc"), row["a.nc"]);
        QCOMPARE(b.modified(), row["unsaved"] == "yes");
        QCOMPARE(b.fileNames(), (QStringList{"a.nc", "b.nc", "big.nc", "binary.nc", "cut.nc"}));
    }

    // Text with a broken character cannot be saved: the old file stays whole, the text too.
    void brokenCharacterKeepsOldFile() {
        Bench b;
        b.put("a.nc", "old program");
        b.type(QString("G00X1(") + QChar(0xD800) + ")\n");
        b.prompts.choices << SaveChoice::Save;
        b.prompts.names << b.path("a.nc");
        QVERIFY(!b.files.clearEditor());
        QCOMPARE(b.prompts.log,
                 (QStringList{"ask", saveDialog, "保存失败: 无法保存文件：" + b.path("a.nc")}));
        QCOMPARE(b.bytes("a.nc"), "old program");
        QVERIFY(b.modified());
    }

    // Unchanged files copy byte for byte; an edit keeps the encoding and every byte of the lines
    // it did not touch; Run gets what the saved file holds, as the runner reads it.
    void editsKeepEveryOtherByte_data() { QVERIFY(addRows("edits.tsv")); }
    void editsKeepEveryOtherByte() {
        QFETCH(TableRow, row);
        Bench b;
        b.put("a.nc", row["bytes"]);
        b.open("a.nc");
        QVERIFY(!b.modified());
        b.prompts.names << b.path("copy.nc");
        b.files.saveAs();
        QCOMPARE(b.bytes("copy.nc"), row["bytes"]);
        if (row["edit"] == "undo") {
            b.erase();
            b.editor.undo();
        }
        const int line = row["edit"] == "end" ? b.editor.blockCount() : row["line"].toInt();
        QTextCursor cursor(b.editor.document()->findBlockByNumber(line - 1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        const QByteArray& edit = row["edit"];
        cursor.insertText(edit.startsWith("type:") ? QString::fromUtf8(edit.mid(5))
                          : edit == "end"          ? QStringLiteral("\n结束")
                          : edit == "break"        ? QStringLiteral("\n;")
                                                   : QStringLiteral(";"));
        b.files.save();
        QCOMPARE(b.bytes("a.nc"), row["saved"]);
        const auto saved = tarvo::files::ProgramEncoding::decode(row["saved"].toStdString());
        QVERIFY(saved);
        QCOMPARE(b.files.programText(), saved->text);
        QCOMPARE(b.prompts.log, QStringList{saveAsDialog});
        QCOMPARE(b.files.caption(), b.path("a.nc"));
    }

    // A line too long to lay out opens at once, cut short in a read-only editor; Run and Save
    // take the program whole; a new program is editable again.
    void longLineOpensReadOnly() {
        const QByteArray bytes = "%\r\nG01X3Y2 (" + QByteArray(10'000'000, 'a') + ")\r\n%\r\n";
        Bench b;
        b.put("long.nc", bytes);
        b.files.openPath(b.path("long.nc"));
        QVERIFY(!b.files.loading() && b.editor.isReadOnly());
        QCOMPARE(b.prompts.log,
                 QStringList{"只读打开: 第2行超过10000个字符，编辑器只显示长行的开头，"
                             "程序只读打开；运行和保存用的是完整的程序：" +
                             b.path("long.nc")});
        QCOMPARE(b.editor.document()->characterCount(), 3 + 10'001 + 2 + 1);
        QVERIFY(b.editor.document()->findBlockByNumber(1).text().endsWith(u"aaa…"));
        QCOMPARE(b.files.programText(), bytes.toStdString());
        QVERIFY(QFile::remove(b.path("long.nc")));
        b.files.save();
        QCOMPARE(b.bytes("long.nc"), bytes);
        b.files.newProgram();
        QVERIFY(!b.editor.isReadOnly());
    }

    // Without work to lose (unchanged and New, emptied and Clear, undone and New) nothing asks;
    // the new program saves as UTF-8 CR LF.
    void startingAfreshWithoutWork_data() {
        QTest::addColumn<QByteArray>("edit");
        for (const char* edit : {"unchanged", "erase", "undo"})
            QTest::newRow(edit) << QByteArray(edit);
    }
    void startingAfreshWithoutWork() {
        QFETCH(QByteArray, edit);
        Bench b;
        b.put("a.nc", "(\xd6\xd0)\nM05");
        b.open("a.nc");
        if (edit != "unchanged") b.type("\nM05");
        if (edit == "erase") b.erase();
        if (edit == "undo") b.editor.undo();
        QSignalSpy captions(&b.files, &ProgramFiles::captionChanged);
        QVERIFY(b.files.mayDiscard());
        b.run(edit == "erase" ? "clear" : "new");
        QVERIFY(b.prompts.log.isEmpty());
        QCOMPARE(b.editor.toPlainText(), "");
        QCOMPARE(captions.size(), 1);
        QCOMPARE(b.files.caption(), untitled);
        b.type("结束\nM05");
        b.prompts.names << b.path("new.nc");
        b.files.save();
        QCOMPARE(b.bytes("new.nc"), "结束\r\nM05");
    }

    // A long program shows at once and comes in whole, to Run and to Save, with nothing to undo;
    // an edit while it comes in stops it.
    void longProgramComesInWhole() {
        QByteArray bytes = "%\r\n";
        for (int i = 0; i < 3000; ++i) bytes += "N" + QByteArray::number(i) + " G01X1\r\n";
        Bench b;
        b.put("long.nc", bytes);
        const auto untouched = [&b] {
            return !b.modified() && !b.editor.document()->isUndoAvailable();
        };
        b.files.openPath(b.path("long.nc"));
        QVERIFY(b.files.loading() && b.editor.isReadOnly() && b.editor.blockCount() < 3000);
        QCOMPARE(QByteArray::fromStdString(b.files.programText()), bytes);
        QVERIFY(!b.files.loading() && !b.editor.isReadOnly() && untouched());

        b.files.openPath(b.path("long.nc"));
        QTRY_VERIFY(!b.files.loading());
        QVERIFY(b.editor.blockCount() == 3002 && untouched());
        QVERIFY(QFile::remove(b.path("long.nc")));
        b.files.save();
        QCOMPARE(b.bytes("long.nc"), bytes);

        b.files.openPath(b.path("long.nc"));
        b.erase();
        QTRY_VERIFY(!b.files.loading());
        QTest::qWait(20);
        QVERIFY(b.editor.document()->isEmpty() && !b.editor.isReadOnly());
        QVERIFY(b.prompts.log.isEmpty());
    }
};

QTEST_MAIN(ProgramFilesTest)
#include "ProgramFilesTest.moc"
