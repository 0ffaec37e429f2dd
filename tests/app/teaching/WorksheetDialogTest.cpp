#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/support/WindowUnderTest.h"
#include "app/teaching/ExercisePanel.h"
#include "app/teaching/WorksheetDialog.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/WorksheetPage.h"

namespace tarvo::app {

class WorksheetDialogTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() {
        QVERIFY(t_.enterHome());
        QVERIFY(t_.openWindow());
    }

    // 教学 → 练习 holds the exercises and both printed pages; each page's dialog starts from the
    // code of the round under way and refuses a bad one with the exercises' own message, before
    // any file is asked for.
    void menuItemsStartFromTheExerciseWindowsCode() {
        QMenu* practice = nullptr;
        for (QAction* item : t_.window->menus().teachMenu->actions()) {
            if (item->text() == QStringLiteral("练习(&X)")) practice = item->menu();
        }
        QVERIFY(practice);
        QStringList captions;
        for (const QAction* item : practice->actions()) captions << item->text();
        QVERIFY(captions.contains(QStringLiteral("开始练习(&S)...")));
        QVERIFY(captions.contains(QStringLiteral("打印练习单(&W)...")));
        QVERIFY(captions.contains(QStringLiteral("打印答案(&A)...")));

        menuItem(*practice, QStringLiteral("开始练习(&S)..."))->trigger();
        auto* exercises = t_.window->findChild<ExercisePanel*>();
        QVERIFY(exercises);
        exercises->findChild<QLineEdit*>(QStringLiteral("exerciseCode"))->setText("zzzzz");
        QTest::mouseClick(exercises->findChild<QPushButton*>(QStringLiteral("startExercises")),
                          Qt::LeftButton);
        exercises->findChild<QLineEdit*>(QStringLiteral("exerciseCode"))->setText("K7M3Q");

        for (const auto& [caption, title] :
             {std::pair{QStringLiteral("打印练习单(&W)..."), QStringLiteral("打印练习单")},
              std::pair{QStringLiteral("打印答案(&A)..."), QStringLiteral("打印答案")}}) {
            menuItem(*practice, caption)->trigger();
            WorksheetDialog* dialog = shownDialog(title);
            QVERIFY(dialog);
            QLineEdit& code = *dialog->findChild<QLineEdit*>(QStringLiteral("worksheetCode"));
            QCOMPARE(code.text(), QStringLiteral("ZZZZZ"));
            code.setText(QStringLiteral("ZZZ0Z"));
            save(*dialog);
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("notice"))->text(),
                     QStringLiteral("练习码中不能有“0”：只用数字 2–9 和字母，不含 I、L、O"));
            QVERIFY(dialog->isVisible());
            QVERIFY(t_.prompts->log.isEmpty());
            dialog->reject();
        }
    }

    // A good code is saved as the page the runner writes, ".html" added when no suffix is
    // typed, and handed to the browser; a cancelled file dialog writes nothing, a failed save
    // and a page no browser takes say so, and no page is lost.
    void savesThePageAndOpensIt() {
        ScriptedPrompts prompts;
        QList<QUrl> opened;
        bool browser = true;
        WorksheetDialog dialog(WorksheetDialog::Page::Answers, prompts, [&](const QUrl& url) {
            opened << url;
            return browser;
        });
        QLineEdit& code = *dialog.findChild<QLineEdit*>(QStringLiteral("worksheetCode"));

        dialog.present(QStringLiteral("k7m3q"));
        save(dialog);
        QCOMPARE(prompts.log, QStringList{QStringLiteral("save 打印答案 网页 (*.html)")});
        QVERIFY(opened.isEmpty());
        QCOMPARE(code.text(), QStringLiteral("K7M3Q"));

        const QString key = t_.home.filePath(QStringLiteral("key"));
        prompts.names << key;
        save(dialog);
        QCOMPARE(fileBytes(key + QStringLiteral(".html")),
                 QByteArray::fromStdString(teach::answerKeyPage(teach::ExerciseCode("K7M3Q"))));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(key + QStringLiteral(".html"))});
        QVERIFY(!dialog.isVisible());

        const QString nowhere = t_.home.filePath(QStringLiteral("none/key.html"));
        prompts.names << nowhere;
        dialog.present(QStringLiteral("K7M3Q"));
        save(dialog);
        QCOMPARE(prompts.log.last(), QStringLiteral("保存失败: 无法保存文件：") + nowhere);
        QCOMPARE(opened.size(), 1);
        QVERIFY(dialog.isVisible());

        browser = false;
        prompts.names << key + QStringLiteral(".html");
        save(dialog);
        QCOMPARE(prompts.log.last(),
                 QStringLiteral("打印答案: 已保存 ") + key +
                     QStringLiteral(".html，但没有浏览器能打开它：请另行打开后打印。"));
    }

private:
    WorksheetDialog* shownDialog(const QString& title) {
        for (auto* dialog : t_.window->findChildren<WorksheetDialog*>()) {
            if (dialog->windowTitle() == title && dialog->isVisible()) return dialog;
        }
        return nullptr;
    }
    static void save(WorksheetDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveWorksheet")),
                          Qt::LeftButton);
    }

    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::WorksheetDialogTest)
#include "WorksheetDialogTest.moc"
