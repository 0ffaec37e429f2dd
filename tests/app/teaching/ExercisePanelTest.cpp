#include "app/support/TeachingWindows.h"
#include "app/teaching/WorksheetDialog.h"
#include "teach/exercises/WorksheetPage.h"

namespace tarvo::app {

// The exercise window and the printed pages on the real window, offscreen. What a code sets,
// how an answer is marked and what a round counts are the session's own (ExerciseSessionTest);
// here the window shows them and forwards what the student does.
class ExercisePanelTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome() && t_.openWindow()); }

    // Code K7M3Q: its first iteration answered right, its second wrong by the feed with the
    // deviation skipped, every later one right; the score, the two wrong rows, and a save that
    // fails says so.
    void oneRoundAnsweredMarkedAndScored() {
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        QVERIFY(panel->frameGeometry().height() <= panel->screen()->availableGeometry().height());
        startExercises(*panel, {}, {}, QStringLiteral("K7M3"));
        QCOMPARE(labelText(*panel, "notice"), QStringLiteral("练习码应为 5 个字符"));
        named<QLineEdit>(*panel, "exerciseCode").setText(QStringLiteral("k7m3q"));
        press(*panel, "startExercises");
        QCOMPARE(labelText(*panel, "knownValues"), QStringLiteral("第 1 步前：点 (0, 7)，F = 0"));
        motion::PulseStepper first = teach::ExerciseCode("K7M3Q").exercises()[0].stepper();
        answer(*panel, first.next());
        QCOMPARE(labelText(*panel, "verdict"),
                 QStringLiteral(
                     "第 1 步：进给 ✓ −Y；新偏差 ✓ −13\nF = 0 ≥ 0 → −Y；F = 0 − 2×7 + 1 = −13"));
        first.next();
        named<QLineEdit>(*panel, "newDeviation").clear();
        press(*panel, "feed+Y");

        answerToTheScore(*panel, first);
        QCOMPARE(labelText(*panel, "score"), QStringLiteral("练习码 K7M3Q：答对 66 / 68"));
        const auto& wrong = *panel->findChild<QTableWidget*>();
        QCOMPARE(wrong.rowCount(), 2);
        QVERIFY(rowText(wrong, 0, 1, ' ').startsWith(QStringLiteral("2 进给 +Y +X F = −13 < 0")));
        QVERIFY(rowText(wrong, 1, 1, ' ').startsWith(QStringLiteral("2 F 未答 −12 F = −13 < 0")));

        const QString nowhere = t_.home.filePath(QStringLiteral("none/round.csv"));
        t_.prompts->names << nowhere;
        press(*panel, "exportCsv");
        QCOMPARE(t_.prompts->log.last(), QStringLiteral("保存失败: 无法保存文件：") + nowhere);
        t_.prompts->names << t_.home.filePath(QStringLiteral("round"));
        press(*panel, "exportPage");
        QVERIFY(fileBytes(t_.home.filePath(QStringLiteral("round.html"))).contains("答对 66 / 68"));
    }

    // The name and number typed head the attempt and are offered again at the next start, the
    // attempts at a code counted on; an export before the end saves every answer the code asks.
    void studentKeptAndAttemptsCounted() {
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        startExercises(*panel, QStringLiteral(" 张三 "), QStringLiteral("2026001"),
                       QStringLiteral("　ｋ７ｍ３ｑ "));
        QCOMPARE(named<QLineEdit>(*panel, "exerciseCode").text(), QStringLiteral("K7M3Q"));
        const QString attempt = QStringLiteral("练习码 K7M3Q　姓名 张三　学号 2026001　第 %1 次");
        QCOMPARE(labelText(*panel, "attempt"), attempt.arg(1));
        press(*panel, "feed−Y");
        const QString path = t_.home.filePath(QStringLiteral("early.csv"));
        t_.prompts->names << path;
        press(*panel, "exportCsvEarly");
        QCOMPARE(fileBytes(path).count('\n'), 1 + 68);
        press(*panel, "startExercises");  // exported: a new attempt at once
        QCOMPARE(labelText(*panel, "attempt"), attempt.arg(2));

        QVERIFY(t_.openWindow());
        panel = openPanel();
        QVERIFY(panel);
        QCOMPARE(named<QLineEdit>(*panel, "studentName").text(), QStringLiteral("张三"));
        QCOMPARE(named<QLineEdit>(*panel, "studentNumber").text(), QStringLiteral("2026001"));
        named<QLineEdit>(*panel, "exerciseCode").setText(QStringLiteral("K7M3Q"));
        press(*panel, "startExercises");
        QCOMPARE(labelText(*panel, "attempt"), attempt.arg(3));
    }

    // Alt and a letter never types into a field, whether its button is on the page shown or on
    // a page hidden, enabled or not; where the button is there, its access key acts.
    void accessKeysNeverType() {
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        QLineEdit& code = named<QLineEdit>(*panel, "exerciseCode");
        code.setText(QStringLiteral("K7M3Q"));
        press(*panel, "startExercises");
        for (QLineEdit* typed : {&named<QLineEdit>(*panel, "newDeviation"), &code,
                                 &named<QLineEdit>(*panel, "studentName")}) {
            const QString before = typed->text();
            typed->setFocus();
            for (const Qt::Key key : {Qt::Key_S, Qt::Key_X, Qt::Key_Y, Qt::Key_D, Qt::Key_Q}) {
                QTest::keyClick(typed, key, Qt::AltModifier);
            }
            QCOMPARE(typed->text(), before);
        }
        QCOMPARE(labelText(*panel, "knownValues"), QStringLiteral("第 1 步前：点 (0, 7)，F = 0"));

        for (motion::PulseStepper s = teach::ExerciseCode("K7M3Q").exercises()[0].stepper();
             !s.finished();) {
            answer(*panel, s.next());
        }
        // A button's access key clicks it a moment later, as a pressed button shows: 下一题,
        // then J_Ry ticked and handed in.
        code.setFocus();
        QTest::keyClick(&code, Qt::Key_D, Qt::AltModifier);
        QTRY_VERIFY(
            labelText(*panel, "knownValues").startsWith(QStringLiteral("第 1 步前：点 (−4, 3)")));
        code.setFocus();
        QTest::keyClick(&code, Qt::Key_Y, Qt::AltModifier);
        QTest::keyClick(&code, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(code.text(), QStringLiteral("K7M3Q"));
        QTRY_VERIFY(labelText(*panel, "verdict")
                        .startsWith(QStringLiteral("第 1 步：溢出 ✗ 答 J_Ry，应为 无")));
    }

    // 练习 → 打印练习单 and 打印答案 start from the code of the round under way and refuse a bad
    // one with the exercises' own message, before any file is asked for.
    void printedPagesStartFromTheRoundsCode() {
        QVERIFY(t_.openWindow());
        ExercisePanel* panel = openPanel();
        QVERIFY(panel);
        startExercises(*panel, {}, {}, QStringLiteral("zzzzz"));
        named<QLineEdit>(*panel, "exerciseCode").setText(QStringLiteral("K7M3Q"));
        for (const auto& [title, key] :
             {std::pair{QStringLiteral("打印练习单"), 'W'}, {QStringLiteral("打印答案"), 'A'}}) {
            QAction* item = teachingItem(*t_.window, title + QStringLiteral("(&%1)...").arg(key));
            QVERIFY(item);
            item->trigger();
            WorksheetDialog* dialog = shownDialog(title);
            QVERIFY(dialog);
            QLineEdit& code = named<QLineEdit>(*dialog, "worksheetCode");
            QCOMPARE(code.text(), QStringLiteral("ZZZZZ"));
            code.setText(QStringLiteral("ZZZ0Z"));
            press(*dialog, "saveWorksheet");
            QCOMPARE(labelText(*dialog, "notice"),
                     QStringLiteral("练习码中不能有“0”：只用数字 2–9 和字母，不含 I、L、O"));
            QVERIFY(dialog->isVisible() && t_.prompts->log.isEmpty());
            dialog->reject();
        }
    }

    // A good code is saved as the page the runner writes, ".html" added when no suffix is
    // typed, and handed to the browser; a cancelled file dialog writes nothing, a failed save
    // and a page no browser takes say so, and no page is lost.
    void printedPageSavedAndOpened() {
        ScriptedPrompts prompts;
        QList<QUrl> opened;
        bool browser = true;
        WorksheetDialog dialog(WorksheetDialog::Page::Answers, prompts, [&](const QUrl& url) {
            opened << url;
            return browser;
        });
        dialog.present(QStringLiteral("k7m3q"));
        press(dialog, "saveWorksheet");
        QCOMPARE(prompts.log, QStringList{QStringLiteral("save 打印答案 网页 (*.html)")});
        QVERIFY(opened.isEmpty());
        QCOMPARE(named<QLineEdit>(dialog, "worksheetCode").text(), QStringLiteral("K7M3Q"));

        const QString key = t_.home.filePath(QStringLiteral("key"));
        prompts.names << key;
        press(dialog, "saveWorksheet");
        QCOMPARE(fileBytes(key + QStringLiteral(".html")),
                 QByteArray::fromStdString(teach::answerKeyPage(teach::ExerciseCode("K7M3Q"))));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(key + QStringLiteral(".html"))});
        QVERIFY(!dialog.isVisible());

        const QString nowhere = t_.home.filePath(QStringLiteral("none/key.html"));
        prompts.names << nowhere;
        dialog.present(QStringLiteral("K7M3Q"));
        press(dialog, "saveWorksheet");
        QCOMPARE(prompts.log.last(), QStringLiteral("保存失败: 无法保存文件：") + nowhere);
        QVERIFY(opened.size() == 1 && dialog.isVisible());

        browser = false;
        prompts.names << key + QStringLiteral(".html");
        press(dialog, "saveWorksheet");
        QCOMPARE(prompts.log.last(),
                 QStringLiteral("打印答案: 已保存 ") + key +
                     QStringLiteral(".html，但没有浏览器能打开它：请另行打开后打印。"));
    }

private:
    ExercisePanel* openPanel() {
        auto* panel =
            openFromTeachingMenu<ExercisePanel>(*t_.window, QStringLiteral("开始练习(&S)..."));
        return panel && QTest::qWaitForWindowActive(panel) ? panel : nullptr;
    }
    WorksheetDialog* shownDialog(const QString& title) {
        for (auto* dialog : t_.window->findChildren<WorksheetDialog*>()) {
            if (dialog->windowTitle() == title && dialog->isVisible()) return dialog;
        }
        return nullptr;
    }

    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ExercisePanelTest)
#include "ExercisePanelTest.moc"
