#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/ExercisePanel.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseGrading.h"

namespace tarvo::app {

// The exercise window on a real X server, mid-attempt and at its score; the pictures stay in the
// build folder to be looked at.
class ExerciseScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    // K7M3Q by 张三: three iterations of its first exercise answered (the second with F skipped),
    // then every answer right to the end. The window stays within the screen throughout.
    void midAttemptAndScore() {
        QVERIFY(t_.enterHome() && t_.openWindow());
        QAction* item = teachingItem(*t_.window, QStringLiteral("开始练习(&S)..."));
        QVERIFY(item);
        item->trigger();
        auto* panel = t_.window->findChild<ExercisePanel*>();
        QVERIFY(panel && QTest::qWaitForWindowExposed(panel));
        field(*panel, "studentName")->setText(QStringLiteral("张三"));
        field(*panel, "studentNumber")->setText(QStringLiteral("2026001"));
        field(*panel, "exerciseCode")->setText(QStringLiteral("Ｋ７Ｍ３Ｑ"));
        press(*panel, "startExercises");
        const auto exercises = teach::ExerciseCode("K7M3Q").exercises();
        motion::PulseStepper first = exercises[0].stepper();
        for (int i = 0; i < 3; ++i) answer(*panel, first.next(), i != 1);
        QTest::qWait(100);
        QVERIFY(saveArtefact(*panel, QStringLiteral("exercise-attempt.png")));
        while (!first.finished()) answer(*panel, first.next(), true);
        press(*panel, "nextExercise");
        for (std::size_t e = 1; e < exercises.size(); ++e) {
            for (motion::PulseStepper s = exercises[e].stepper(); !s.finished();) {
                answer(*panel, s.next(), true);
            }
            press(*panel, "nextExercise");
        }
        QTest::qWait(100);
        QVERIFY(saveArtefact(*panel, QStringLiteral("exercise-score.png")));
        QVERIFY(panel->frameGeometry().height() <= panel->screen()->availableGeometry().height());
    }

private:
    static QLineEdit* field(ExercisePanel& panel, const char* name) {
        return panel.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static void press(ExercisePanel& panel, const char* name) {
        QTest::mouseClick(panel.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }
    // An iteration answered right, its new deviation typed only when `typed`.
    static void answer(ExercisePanel& panel, const motion::PulseIteration& iteration, bool typed) {
        if (const auto* step = std::get_if<motion::ComparisonStep>(&iteration)) {
            field(panel, "newDeviation")
                ->setText(typed ? QString::number(step->fAfter) : QString());
            press(panel, ("feed" + teach::pulseFeedText(step->feed)).c_str());
            return;
        }
        const auto& step = std::get<motion::IntegrationStep>(iteration);
        auto boxes = panel.findChildren<QCheckBox*>();
        boxes[0]->setChecked(step.overflowX);
        boxes[1]->setChecked(step.overflowY);
        press(panel, "submitOverflow");
    }

    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ExerciseScreenshotTest)
#include "ExerciseScreenshotTest.moc"
