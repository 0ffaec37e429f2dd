#include "app/panels/ViewStack.h"
#include "app/support/Pictures.h"
#include "app/support/TeachingWindows.h"

namespace tarvo::app {

// The window in Chinese on a real X server, a lab screen of 1366 × 768; the pictures stay in the
// build folder to be looked at.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(t_.enterHome() && t_.openWindow()); }

    // The plan view shows the white rapid moves and axes and the yellow cuts.
    void samplePlanView() {
        QVERIFY(runsToEnd(*t_.window));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("sample-run.png")));
        const QImage plan =
            t_.window->viewStack().linep().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(count(plan, qRgb(64, 64, 64)) > plan.width() * plan.height() / 2);
        QVERIFY(count(plan, qRgb(255, 255, 0)) > 50);     // G01, G02, G03
        QVERIFY(count(plan, qRgb(255, 255, 255)) > 200);  // axes and the G00 moves
        QVERIFY(t_.prompts->log.isEmpty());
    }

    // Both teaching panels and the ideal path after the sample run, a row of line 8 selected.
    void bothPanelsOnALabScreen() {
        StepTablePanel* table = showTheLabScreen(
            *t_.window, {QStringLiteral("脉冲时序图"), QStringLiteral("插补过程表"),
                         QStringLiteral("显示理想轨迹")});
        QVERIFY(table);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("lab-screen.png")));
        QVERIFY(tenRowsWithEveryColumn(table->view()));
    }

    // K7M3Q by 张三: three iterations of its first exercise answered (the second with F skipped),
    // then every answer right to the score; the window stays within the screen throughout.
    void exerciseMidAttemptAndAtItsScore() {
        auto* panel =
            openFromTeachingMenu<ExercisePanel>(*t_.window, QStringLiteral("开始练习(&S)..."));
        QVERIFY(panel);
        startExercises(*panel, QStringLiteral("张三"), QStringLiteral("2026001"),
                       QStringLiteral("Ｋ７Ｍ３Ｑ"));
        motion::PulseStepper first = teach::ExerciseCode("K7M3Q").exercises()[0].stepper();
        for (int i = 0; i < 3; ++i) answer(*panel, first.next(), i != 1);
        QTest::qWait(100);
        QVERIFY(saveArtefact(*panel, QStringLiteral("exercise-attempt.png")));
        answerToTheScore(*panel, first);
        QTest::qWait(100);
        QVERIFY(saveArtefact(*panel, QStringLiteral("exercise-score.png")));
        QVERIFY(panel->frameGeometry().height() <= panel->screen()->availableGeometry().height());
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ScreenshotTest)
#include "ScreenshotTest.moc"
