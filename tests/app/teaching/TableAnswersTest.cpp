#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/editor/EditorFrame.h"
#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/RowQuestion.h"
#include "app/teaching/StepTablePanel.h"
#include "app/teaching/TableAnswers.h"
#include "app/window/MethodMenu.h"
#include "teach/exercises/AnswerSheet.h"
#include "teach/exercises/Exercise.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::app {

namespace {

QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The iterations of the exercise the table's rows step, to grade answers as the exercises do.
template <class Iteration>
std::vector<Iteration> iterationsOf(const teach::Exercise& exercise) {
    std::vector<Iteration> iterations;
    for (motion::PulseStepper s = exercise.stepper(); !s.finished();) {
        iterations.push_back(std::get<Iteration>(s.next()));
    }
    return iterations;
}

}  // namespace

// 先答后看 on the interpolation table of the real window, offscreen: single steps wait for
// their answers in the table; Run does not.
class TableAnswersTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() { t_.window.reset(); }

    // A comparison line to (6, 4) stepped by F7: each row hides its beats until the feed and
    // the new F are in, typed and pressed in the row, then shows them marked as the exercises
    // mark them, with the formula as its tip. What a step back, F8, Run or the switch ask and
    // forget is the quiz's own (TableQuizTest).
    void comparisonRowsWaitForTheFeedAndTheNewF() {
        StepTablePanel& panel = open(QStringLiteral("G90G00X6Y4"));
        t_.window->methodMenu().comparison->trigger();
        TableAnswers& answers = panel.answers();
        answers.onSwitch().click();
        const teach::Exercise line{motion::Method::Comparison, false, {}, {6, 4}};
        const auto iterations = iterationsOf<motion::ComparisonStep>(line);

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
        const teach::Graded feed = teach::gradeFeed(line, iterations[0], {1, 0});
        const teach::Graded deviation = teach::gradeDeviation(line, iterations[0], -4);
        QVERIFY(feed.right && deviation.right);
        QCOMPARE(cell(0, teach::Feed), QStringLiteral("+X ✓"));
        QCOMPARE(cell(0, teach::Calculation), QStringLiteral("F = 0 − 4 = −4 ✓"));
        QCOMPARE(cell(0, teach::X), QStringLiteral("1"));
        QCOMPARE(tip(0, teach::Feed),
                 QStringLiteral("进给 %1；新偏差 %2\n%3\n\n+X")
                     .arg(qt(teach::markText(feed)), qt(teach::markText(deviation)),
                          qt(feed.explanation)));
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 2"));
        QTRY_VERIFY(!answers.question());

        // The second row answered wrong: the feed first, alone, by Alt and an arrow.
        step();
        QTRY_VERIFY(answers.question());
        saveScreenshot(QStringLiteral("table-answers.png"));
        QTest::keyClick(answers.question()->deviationField(), Qt::Key_Right, Qt::AltModifier);
        const teach::Graded wrong = teach::gradeFeed(line, iterations[1], {1, 0});
        QVERIFY(!wrong.right);
        QCOMPARE(cell(1, teach::Feed), QStringLiteral("?"));  // the row waits for its new F
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 3"));
        QTRY_VERIFY(
            answers.question() &&
            !answers.question()->findChild<QPushButton*>(QStringLiteral("feed+X"))->isEnabled());
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
        QVERIFY(tip(1, teach::Feed)
                    .startsWith(QStringLiteral("进给 ✗ 答 +X，应为 +Y；新偏差 ✓ 2\n") +
                                qt(wrong.explanation)));
        QCOMPARE(cell(1, teach::Y), QStringLiteral("1"));
    }

    // Digital integration to (5, 3) asks the overflows: X and Y tick them, Enter hands them in.
    void integrationRowsAskTheOverflows() {
        StepTablePanel& panel = open(QStringLiteral("G90G00X5Y3"));
        t_.window->methodMenu().integration->trigger();
        TableAnswers& answers = panel.answers();
        answers.onSwitch().click();
        const teach::Exercise line{motion::Method::Integration, false, {}, {5, 3}};
        const auto iterations = iterationsOf<motion::IntegrationStep>(line);
        // Row 1 overflows nothing, row 2 X, row 3 Y; the answers: none, X, X.
        const struct {
            std::vector<Qt::Key> keys;
            bool x, y;
        } given[] = {{{}, false, false}, {{Qt::Key_X}, true, false}, {{Qt::Key_X}, true, false}};
        for (int row = 0; row < 3; ++row) {
            step();
            QTRY_VERIFY(answers.question());
            RowQuestion& question = *answers.question();
            QVERIFY(question.overflowX() && !question.deviationField());
            QCOMPARE(cell(row, teach::Judgement), QStringLiteral("?"));
            if (row == 2) saveScreenshot(QStringLiteral("table-overflows.png"));
            for (Qt::Key key : given[row].keys) QTest::keyClick(question.overflowX(), key);
            QCOMPARE(question.overflowX()->isChecked(), given[row].x);
            QTest::keyClick(question.overflowX(), Qt::Key_Return);
            const teach::Graded g =
                teach::gradeOverflow(iterations[row], given[row].x, given[row].y);
            QVERIFY(cell(row, teach::Judgement).endsWith(g.right ? " ✓" : " ✗"));
            QVERIFY(tip(row, teach::Judgement)
                        .startsWith(QStringLiteral("溢出 %1\n%2")
                                        .arg(qt(teach::markText(g)), qt(g.explanation))));
        }
        QCOMPARE(cell(2, teach::Feed), QStringLiteral("+Y"));
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 3"));
    }

private:
    StepTablePanel& open(const QString& move) {
        panel_ = openTeachingPanel<StepTablePanel>(*t_.window, QStringLiteral("stepTableDock"),
                                                   QStringLiteral("插补过程表"));
        t_.window->editorFrame().filetxt().setPlainText(QStringLiteral("%\n") + move +
                                                        QStringLiteral("\n%\n"));
        return *panel_;
    }
    void step() { t_.window->menus().stepIteration->trigger(); }
    const QAbstractItemModel& rows() { return *panel_->view().model(); }
    QString cell(int row, int column) { return rows().index(row, column).data().toString(); }
    QString tip(int row, int column) {
        return rows().index(row, column).data(Qt::ToolTipRole).toString();
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
