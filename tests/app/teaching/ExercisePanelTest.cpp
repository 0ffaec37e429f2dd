#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "app/support/WindowUnderTest.h"
#include "app/teaching/ExercisePanel.h"
#include "teach/ExerciseCode.h"
#include "teach/ExerciseGrading.h"

namespace tarvo::app {

class ExercisePanelTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() {
        QVERIFY(t_.enterHome());
        QVERIFY(t_.openWindow());
    }

    // Code K7M3Q sets SR1 from (0, 7) to (7, 0) first. Its first iteration is answered right in
    // both parts, its second wrong by the feed after a deviation that is no number is refused;
    // every later one right, as the code's own steppers say. The score and the one wrong row
    // follow, and a save that fails says so.
    void oneRoundAnsweredMarkedAndScored() {
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        QVERIFY(panel->frameGeometry().height() <= panel->screen()->availableGeometry().height());
        auto& code = field(*panel, "exerciseCode");
        code.setText(QStringLiteral("K7M3"));
        press(*panel, "startExercises");
        QCOMPARE(label(*panel, "notice").text(), QStringLiteral("练习码应为 5 个字符"));
        code.setText(QStringLiteral("k7m3q"));
        press(*panel, "startExercises");
        QCOMPARE(label(*panel, "knownValues").text(),
                 QStringLiteral("第 1 步前：点 (0, 7)，F = 0"));

        field(*panel, "newDeviation").setText(QStringLiteral("-13"));
        press(*panel, "feed−Y");
        QCOMPARE(label(*panel, "verdict").text(),
                 QStringLiteral(
                     "第 1 步：进给 ✓ −Y；新偏差 ✓ −13\nF = 0 ≥ 0 → −Y；F = 0 − 2×7 + 1 = −13"));
        field(*panel, "newDeviation").setText(QStringLiteral("12x"));
        press(*panel, "feed+Y");
        QCOMPARE(label(*panel, "notice").text(), QStringLiteral("新偏差 F 应为整数，如 −3"));
        QCOMPARE(label(*panel, "knownValues").text(),
                 QStringLiteral("第 2 步前：点 (0, 6)，F = −13"));
        field(*panel, "newDeviation").clear();
        press(*panel, "feed+Y");
        QCOMPARE(label(*panel, "verdict").text(),
                 QStringLiteral(
                     "第 2 步：进给 ✗ 答 +Y，应为 +X\nF = −13 < 0 → +X；F = −13 + 2×0 + 1 = −12"));

        answerTheRestRight(*panel);
        QCOMPARE(label(*panel, "score").text(), QStringLiteral("练习码 K7M3Q：答对 46 / 47"));
        const auto* wrong = panel->findChild<QTableWidget*>();
        QCOMPARE(wrong->rowCount(), 1);
        QCOMPARE(wrong->item(0, 1)->text() + ' ' + wrong->item(0, 2)->text() + ' ' +
                     wrong->item(0, 3)->text(),
                 QStringLiteral("2 +Y +X"));

        t_.prompts->names << t_.home.filePath(QStringLiteral("none/round.csv"));
        press(*panel, "exportCsv");
        QCOMPARE(t_.prompts->log.last(), QStringLiteral("保存失败: 无法保存文件：") +
                                             t_.home.filePath(QStringLiteral("none/round.csv")));
        t_.prompts->names << t_.home.filePath(QStringLiteral("round"));
        press(*panel, "exportPage");
        QFile page(t_.home.filePath(QStringLiteral("round.html")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("答对 46 / 47"));
    }

private:
    ExercisePanel* openPanel() {
        QAction* item = teachingItem(*t_.window, QStringLiteral("开始练习(&S)..."));
        if (!item) return nullptr;
        item->trigger();
        auto* panel = t_.window->findChild<ExercisePanel*>();
        return panel && QTest::qWaitForWindowExposed(panel) ? panel : nullptr;
    }

    static QLineEdit& field(ExercisePanel& panel, const char* name) {
        return *panel.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QLabel& label(ExercisePanel& panel, const char* name) {
        return *panel.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static void press(ExercisePanel& panel, const char* name) {
        QTest::mouseClick(panel.findChild<QPushButton*>(QString::fromUtf8(name)), Qt::LeftButton);
    }

    // Each iteration answered as the code's own steppers step it, from the third of the first
    // exercise on.
    void answerTheRestRight(ExercisePanel& panel) {
        const auto exercises = teach::ExerciseCode("K7M3Q").exercises();
        for (std::size_t e = 0; e < exercises.size(); ++e) {
            motion::PulseStepper stepper = exercises[e].stepper();
            for (int skip = e == 0 ? 2 : 0; skip > 0; --skip) stepper.next();
            while (!stepper.finished()) answerRight(panel, stepper.next());
            press(panel, "nextExercise");
        }
    }
    static void answerRight(ExercisePanel& panel, const motion::PulseIteration& iteration) {
        if (const auto* step = std::get_if<motion::ComparisonStep>(&iteration)) {
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

QTEST_MAIN(tarvo::app::ExercisePanelTest)
#include "ExercisePanelTest.moc"
