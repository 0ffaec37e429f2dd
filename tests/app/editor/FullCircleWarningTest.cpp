#include <QTest>
#include <QTextBlock>

#include "app/editor/EditorFrame.h"
#include "app/support/WindowUnderTest.h"
#include "interp/Messages.h"

namespace tarvo::app {

namespace {

// The underline colours of the wavy extra selections, by line.
QMap<int, QColor> wavyLines(const ProgramEditor& editor) {
    QMap<int, QColor> lines;
    for (const QTextEdit::ExtraSelection& s : editor.extraSelections()) {
        if (s.format.underlineStyle() == QTextCharFormat::WaveUnderline) {
            lines.insert(s.cursor.blockNumber(), s.format.underlineColor());
        }
    }
    return lines;
}

}  // namespace

class FullCircleWarningTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }
    void init() { QVERIFY(t_.openWindow()); }
    void cleanup() { t_.window.reset(); }

    // A full circle is marked with its warning, in another colour than an
    // error, and the run goes on to the end without a message; the mark
    // goes with an edit, and a new run marks it again.
    void fullCircleIsMarkedAndTheRunGoesOn() {
        ProgramEditor& editor = t_.window->editorFrame().filetxt();
        editor.setPlainText(QStringLiteral("%\nG00X5Y0\nG02X5Y0I-5J0\nG01X7\n%\n"));
        t_.window->runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(t_.window->machine().idle(), 10000);
        const QString warning = QString::fromUtf8(interp::messages::fullCircle);
        QCOMPARE(editor.warningAt(2), warning);
        QCOMPARE(editor.toolTipAt(2), warning);
        QCOMPARE(editor.toolTipAt(1), QString());
        QCOMPARE(editor.errorLine(), -1);
        QVERIFY(t_.prompts->log.isEmpty());
        const QMap<int, QColor> marked = wavyLines(editor);
        QCOMPARE(marked.keys(), QList<int>{2});
        QVERIFY(marked[2] != QColor(214, 0, 0));
        QTest::keyClick(&editor, Qt::Key_A);
        QVERIFY(wavyLines(editor).isEmpty());
        QCOMPARE(editor.warningAt(2), QString());
    }

    // An error and a warning in one program: each line keeps its own mark.
    void errorAndWarningKeepTheirOwnMarks() {
        ProgramEditor& editor = t_.window->editorFrame().filetxt();
        editor.setPlainText(QStringLiteral("%\nG00X5Y0\nG03X5Y0I-5J0\nG04\n%\n"));
        t_.window->runCommand();
        QTRY_COMPARE(editor.errorLine(), 3);
        QCOMPARE(editor.toolTipAt(2), QString::fromUtf8(interp::messages::fullCircle));
        QCOMPARE(editor.toolTipAt(3), QStringLiteral("第4行有错G...."));
        const QMap<int, QColor> marked = wavyLines(editor);
        QCOMPARE(marked.keys(), (QList<int>{2, 3}));
        QVERIFY(marked[2] != marked[3]);
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::FullCircleWarningTest)
#include "FullCircleWarningTest.moc"
