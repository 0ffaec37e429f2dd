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
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseGrading.h"

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
    // both parts, its second wrong by the feed, with the deviation skipped; every later one
    // right, as the code's own steppers say. The score against
    // the code's 68 answers and the two wrong rows follow, and a save that fails says so.
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
        QCOMPARE(label(*panel, "knownValues").text(),
                 QStringLiteral("第 2 步前：点 (0, 6)，F = −13"));
        field(*panel, "newDeviation").clear();
        press(*panel, "feed+Y");
        QCOMPARE(label(*panel, "verdict").text(),
                 QStringLiteral("第 2 步：进给 ✗ 答 +Y，应为 +X；新偏差 ✗ 未答，应为 −12\n"
                                "F = −13 < 0 → +X；F = −13 + 2×0 + 1 = −12"));

        answerTheRestRight(*panel);
        QCOMPARE(label(*panel, "score").text(), QStringLiteral("练习码 K7M3Q：答对 66 / 68"));
        const auto* wrong = panel->findChild<QTableWidget*>();
        QCOMPARE(wrong->rowCount(), 2);
        QCOMPARE(rowText(*wrong, 0), QStringLiteral("2 进给 +Y +X"));
        QCOMPARE(rowText(*wrong, 1), QStringLiteral("2 F 未答 −12"));

        t_.prompts->names << t_.home.filePath(QStringLiteral("none/round.csv"));
        press(*panel, "exportCsv");
        QCOMPARE(t_.prompts->log.last(), QStringLiteral("保存失败: 无法保存文件：") +
                                             t_.home.filePath(QStringLiteral("none/round.csv")));
        t_.prompts->names << t_.home.filePath(QStringLiteral("round"));
        press(*panel, "exportPage");
        QFile page(t_.home.filePath(QStringLiteral("round.html")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("答对 66 / 68"));
    }

    // The name and number typed head the attempt and are offered again at the next start, the
    // attempts at a code counted on; an export before the end saves every answer the code asks.
    // What 开始 reads, warns of and counts, and what the file holds, are the session's and the
    // CSV's own (ExerciseSessionTest, ExerciseCsvTest).
    void studentKeptAndAttemptsCounted() {
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        field(*panel, "studentName").setText(QStringLiteral(" 张三 "));
        field(*panel, "studentNumber").setText(QStringLiteral("2026001"));
        field(*panel, "exerciseCode").setText(QStringLiteral("　ｋ７ｍ３ｑ "));
        press(*panel, "startExercises");
        QCOMPARE(field(*panel, "exerciseCode").text(), QStringLiteral("K7M3Q"));
        QCOMPARE(label(*panel, "attempt").text(),
                 QStringLiteral("练习码 K7M3Q　姓名 张三　学号 2026001　第 1 次"));
        press(*panel, "feed−Y");
        const QString path = t_.home.filePath(QStringLiteral("early.csv"));
        t_.prompts->names << path;
        press(*panel, "exportCsvEarly");
        QCOMPARE(fileBytes(path).count('\n'), 1 + 68);
        press(*panel, "startExercises");  // exported: a new attempt at once
        QCOMPARE(label(*panel, "attempt").text(),
                 QStringLiteral("练习码 K7M3Q　姓名 张三　学号 2026001　第 2 次"));

        QVERIFY(t_.openWindow());
        panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(field(*panel, "studentName").text(), QStringLiteral("张三"));
        QCOMPARE(field(*panel, "studentNumber").text(), QStringLiteral("2026001"));
        field(*panel, "exerciseCode").setText(QStringLiteral("K7M3Q"));
        press(*panel, "startExercises");
        QCOMPARE(label(*panel, "attempt").text(),
                 QStringLiteral("练习码 K7M3Q　姓名 张三　学号 2026001　第 3 次"));
    }

    // Alt and a letter never types into a field, whether its button is on the page shown or on
    // a page hidden, enabled or not; where the button is there, its access key acts.
    void accessKeysNeverType() {
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        QLineEdit& code = field(*panel, "exerciseCode");
        code.setText(QStringLiteral("K7M3Q"));
        press(*panel, "startExercises");
        QLineEdit& deviation = field(*panel, "newDeviation");
        for (QLineEdit* typed : {&deviation, &code, &field(*panel, "studentName")}) {
            const QString before = typed->text();
            typed->setFocus();
            for (const Qt::Key key : {Qt::Key_S, Qt::Key_X, Qt::Key_Y, Qt::Key_D, Qt::Key_Q}) {
                QTest::keyClick(typed, key, Qt::AltModifier);
            }
            QCOMPARE(typed->text(), before);
        }
        QCOMPARE(label(*panel, "knownValues").text(),
                 QStringLiteral("第 1 步前：点 (0, 7)，F = 0"));

        const auto exercises = teach::ExerciseCode("K7M3Q").exercises();
        for (motion::PulseStepper stepper = exercises[0].stepper(); !stepper.finished();) {
            answerRight(*panel, stepper.next());
        }
        // A button's access key clicks it a moment later, as a pressed button shows.
        code.setFocus();
        QTest::keyClick(&code, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(label(*panel, "knownValues").text(),
                     QStringLiteral(
                         "第 1 步前：点 (−4, 3)\nJ_Vx = 3，J_Vy = 4；J_Rx = 0，J_Ry = 0；容量 8"));
        code.setFocus();
        QTest::keyClick(&code, Qt::Key_Y, Qt::AltModifier);
        QTest::keyClick(&code, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(code.text(), QStringLiteral("K7M3Q"));
        QTRY_COMPARE(label(*panel, "verdict").text(),
                     QStringLiteral("第 1 步：溢出 ✗ 答 J_Ry，应为 无\n"
                                    "J_Rx = 0 + 3 = 3 < 8，不溢出；J_Ry = 0 + 4 = 4 < 8，不溢出"));
    }

private:
    ExercisePanel* openPanel() {
        QAction* item = teachingItem(*t_.window, QStringLiteral("开始练习(&S)..."));
        if (!item) return nullptr;
        item->trigger();
        auto* panel = t_.window->findChild<ExercisePanel*>();
        return panel && QTest::qWaitForWindowExposed(panel) && QTest::qWaitForWindowActive(panel)
                   ? panel
                   : nullptr;
    }

    static QLineEdit& field(ExercisePanel& panel, const char* name) {
        return *panel.findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    static QLabel& label(ExercisePanel& panel, const char* name) {
        return *panel.findChild<QLabel*>(QString::fromLatin1(name));
    }
    static QString rowText(const QTableWidget& table, int row) {
        QStringList cells;
        for (int column = 1; column < 5; ++column) cells << table.item(row, column)->text();
        return cells.join(QLatin1Char(' '));
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
            field(panel, "newDeviation").setText(QString::number(step->fAfter));
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
