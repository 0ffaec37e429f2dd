#include "app/editor/EditorFrame.h"
#include "app/support/Pictures.h"
#include "app/support/TeachingWindows.h"
#include "app/teaching/RowQuestion.h"
#include "app/teaching/TableAnswers.h"
#include "app/window/MethodMenu.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::app {

// 先答后看 on the interpolation table of the real window, offscreen: single steps wait for
// their answers in the table. What is asked, when, and how an answer is marked is the quiz's
// own (TableQuizTest); here the row hides and shows its beats, takes the keys and says the
// marks.
class TableAnswersTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() { t_.window.reset(); }

    // A comparison line to (6, 4) stepped by F7: each row hides its beats until the feed and
    // the new F are in, typed and pressed in the row, then shows them marked, the formula as
    // its tip; a new F that is no number is refused with the quiz's message.
    void comparisonRowsWaitForTheFeedAndTheNewF() {
        TableAnswers& answers =
            open(QStringLiteral("G90G00X6Y4"), *t_.window->methodMenu().comparison);
        step();
        QCOMPARE(cell(0, teach::Line), QStringLiteral("2"));
        for (int column : {teach::Judgement, teach::Feed, teach::Calculation, teach::Sigma,
                           teach::X, teach::Y}) {
            QCOMPARE(cell(0, column), QStringLiteral("?"));
        }
        RowQuestion* question = answers.question();
        QVERIFY(question && question->deviationField() && !question->overflowX());
        QLineEdit& f = *question->deviationField();
        QTest::keyClicks(&f, QStringLiteral("-4"));
        QTest::keyClick(&f, Qt::Key_X, Qt::AltModifier);  // access keys type nothing
        QTest::keyClick(&f, Qt::Key_Y);
        QTest::keyClicks(&f, QStringLiteral("a.,"));
        QCOMPARE(f.text(), QStringLiteral("-4"));
        QCOMPARE(cell(0, teach::Feed), QStringLiteral("?"));
        QTest::keyClick(&f, Qt::Key_Right);  // +X, with the F typed
        QCOMPARE(cell(0, teach::Feed), QStringLiteral("+X ✓"));
        QCOMPARE(cell(0, teach::Calculation), QStringLiteral("F = 0 − 4 = −4 ✓"));
        QCOMPARE(cell(0, teach::X), QStringLiteral("1"));
        QVERIFY(
            tip(0, teach::Feed).startsWith(QStringLiteral("进给 ✓ +X；新偏差 ✓ −4\nF = 0 ≥ 0")));
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 2"));
        QTRY_VERIFY(!answers.question());

        // The second row answered wrong: the feed first, alone, by Alt and an arrow.
        step();
        QTRY_VERIFY(answers.question());
        saveScreenshot(QStringLiteral("table-answers.png"));
        QTest::keyClick(answers.question()->deviationField(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(cell(1, teach::Feed), QStringLiteral("?"));  // the row waits for its new F
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 3"));
        QTRY_VERIFY(answers.question() &&
                    !named<QPushButton>(*answers.question(), "feed+X").isEnabled());
        QLineEdit& f2 = *answers.question()->deviationField();
        QTest::sendKeyEvent(QTest::Click, &f2, Qt::Key_unknown, QStringLiteral("−"), {});
        QCOMPARE(f2.text(), QStringLiteral("−"));
        QTest::keyClick(&f2, Qt::Key_Return);
        QCOMPARE(answers.score().text(), QStringLiteral("新偏差 F 应为整数，如 −3"));
        f2.clear();
        QTest::keyClicks(&f2, QStringLiteral("2"));
        QTest::keyClick(&f2, Qt::Key_Return);
        QCOMPARE(answers.score().text(), QStringLiteral("答对 3 / 4"));
        QCOMPARE(cell(1, teach::Feed), QStringLiteral("+Y ✗"));
        QCOMPARE(cell(1, teach::Calculation), QStringLiteral("F = −4 + 6 = 2 ✓"));
        QVERIFY(
            tip(1, teach::Feed).startsWith(QStringLiteral("进给 ✗ 答 +X，应为 +Y；新偏差 ✓ 2\n")));
        QCOMPARE(cell(1, teach::Y), QStringLiteral("1"));
    }

    // Digital integration to (5, 3) asks the overflows: X and Y tick them, Enter hands them in.
    // Row 1 overflows nothing, row 2 X, row 3 Y; the answers: none, X, X.
    void integrationRowsAskTheOverflows() {
        TableAnswers& answers =
            open(QStringLiteral("G90G00X5Y3"), *t_.window->methodMenu().integration);
        for (int row = 0; row < 3; ++row) {
            step();
            QTRY_VERIFY(answers.question());
            RowQuestion& question = *answers.question();
            QVERIFY(question.overflowX() && !question.deviationField());
            QCOMPARE(cell(row, teach::Judgement), QStringLiteral("?"));
            if (row == 2) saveScreenshot(QStringLiteral("table-overflows.png"));
            if (row > 0) QTest::keyClick(question.overflowX(), Qt::Key_X);
            QCOMPARE(question.overflowX()->isChecked(), row > 0);
            QTest::keyClick(question.overflowX(), Qt::Key_Return);
            const QString mark = row < 2 ? QStringLiteral("✓") : QStringLiteral("✗");
            QVERIFY(cell(row, teach::Judgement).endsWith(' ' + mark));
            QVERIFY(tip(row, teach::Judgement).startsWith(QStringLiteral("溢出 ") + mark));
        }
        QCOMPARE(cell(2, teach::Feed), QStringLiteral("+Y"));
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 3"));
    }

private:
    // The table open on a single move by this method, 先答后看 on.
    TableAnswers& open(const QString& move, QAction& method) {
        panel_ = openTeachingPanel<StepTablePanel>(*t_.window, QStringLiteral("stepTableDock"),
                                                   QStringLiteral("插补过程表"));
        t_.window->editorFrame().filetxt().setPlainText(QStringLiteral("%\n") + move +
                                                        QStringLiteral("\n%\n"));
        method.trigger();
        panel_->answers().onSwitch().click();
        return panel_->answers();
    }
    void step() { t_.window->menus().stepIteration->trigger(); }
    QString cell(int row, int column) {
        return panel_->view().model()->index(row, column).data().toString();
    }
    QString tip(int row, int column) {
        return panel_->view().model()->index(row, column).data(Qt::ToolTipRole).toString();
    }
    void saveScreenshot(const QString& name) {
        t_.window->resize(1366, 768);
        QTest::qWait(50);
        QVERIFY(saveArtefact(*t_.window, name));
    }

    WindowUnderTest t_;
    StepTablePanel* panel_ = nullptr;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::TableAnswersTest)
#include "TableAnswersTest.moc"
