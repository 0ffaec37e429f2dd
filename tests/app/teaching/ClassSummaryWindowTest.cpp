#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QUrl>

#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/ClassSummaryWindow.h"

namespace tarvo::app {

namespace {

const QString folder = QStringLiteral(TARVO_TEST_DATA "/class-summary/");

}  // namespace

class ClassSummaryWindowTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() {
        QVERIFY(t_.enterHome());
        QVERIFY(t_.openWindow());
    }

    // The class in tests/data picked in one dialog: four students counted (the rows' texts are
    // the summary's own, pinned by its CSV), the two bad files named with their reasons, and
    // every step with its wrong answers, true minus signs shown.
    void pickedFilesSummedUp() {
        ClassSummaryWindow* window = openWindow();
        QVERIFY(window);
        QVERIFY(window->frameGeometry().height() <= window->screen()->availableGeometry().height());
        QVERIFY(!button(*window, "exportPage").isEnabled());
        t_.prompts->selections << QStringList();
        press(*window, "addFiles");
        QCOMPARE(table(*window, "students").rowCount(), 0);

        QStringList files;
        for (const char* name : {"01-wang.csv", "02-li.csv", "03-zhao.csv", "04-chen.csv",
                                 "05-sun.csv", "06-zhou.csv"}) {
            files << folder + QString::fromLatin1(name);
        }
        t_.prompts->selections << files;
        press(*window, "addFiles");
        QCOMPARE(t_.prompts->log.last(),
                 QStringLiteral("open 选择学生的练习答案 CSV 文件 (*.csv);;所有文件 (*)"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("classScore"))->text(),
                 QStringLiteral("练习码 K7M3Q：4 份答卷，共答对 17 / 24（70.8%）"));

        const QTableWidget& students = table(*window, "students");
        QCOMPARE(students.rowCount(), 4);
        QCOMPARE(rowText(students, 0),
                 QStringLiteral("2023001|王芳|01-wang.csv|1|4 / 6|66.7%|学号重复"));
        QCOMPARE(rowText(students, 3), QStringLiteral("|陈静|04-chen.csv|1|3 / 6|50.0%|"));
        QVERIFY(students.item(0, 0)->background() != students.item(2, 0)->background());

        const QTableWidget& steps = table(*window, "steps");
        QCOMPARE(steps.rowCount(), 8);
        QCOMPARE(steps.item(0, 0)->text(),
                 QStringLiteral("1. 逐点比较法 圆弧 G02 SR1，圆心 (0, 0)：(0, 7) → (7, 0)"));
        QCOMPARE(steps.columnSpan(0, 0), 5);
        QCOMPARE(rowText(steps, 1), QStringLiteral("1|进给|−Y|2 / 4|+X ×1, −X ×1"));
        QCOMPARE(rowText(steps, 4), QStringLiteral("2|F|−12|0 / 4|"));
        QCOMPARE(steps.item(5, 0)->text(),
                 QStringLiteral("2. 数字积分法 圆弧 G02 SR2，圆心 (0, 0)：(−4, 3) → (0, 5)，清零"));
        QCOMPARE(rowText(steps, 7), QStringLiteral("2|溢出|J_Ry|1 / 4|J_Rx ×1"));

        QCOMPARE(leftOut(*window),
                 QStringList({QStringLiteral("05-sun.csv：练习码 Q2W3E，不是本班的 K7M3Q"),
                              QStringLiteral("06-zhou.csv：第 1 次作答有 5 行答案，总数却是 6")}));
        QTest::qWait(50);  // the tables lay out their columns once the events come round
        QVERIFY(saveArtefact(*window, QStringLiteral("class-summary.png")));
    }

    // Files dropped on the window join the class; a file already in it is not counted twice,
    // and a folder is named as no file.
    void droppedFilesJoin() {
        ClassSummaryWindow* window = openWindow();
        QVERIFY(window);
        drop(*window, {folder + QStringLiteral("01-wang.csv"), folder.chopped(1)});
        QCOMPARE(table(*window, "students").rowCount(), 4);
        QCOMPARE(leftOut(*window).last(), QStringLiteral("class-summary：不是普通文件"));
    }

    // Each export saves what the summary's writers make, whole; a save that fails says so.
    void exportsSaved() {
        ClassSummaryWindow* window = openWindow();
        QVERIFY(window);
        t_.prompts->names << t_.home.filePath(QStringLiteral("none/class.csv"));
        press(*window, "exportStudents");
        QCOMPARE(t_.prompts->log.last(), QStringLiteral("保存失败: 无法保存文件：") +
                                             t_.home.filePath(QStringLiteral("none/class.csv")));
        t_.prompts->names << t_.home.filePath(QStringLiteral("class"))
                          << t_.home.filePath(QStringLiteral("steps.csv"))
                          << t_.home.filePath(QStringLiteral("class"));
        press(*window, "exportStudents");
        press(*window, "exportSteps");
        press(*window, "exportPage");
        // The folder dropped before is left out last.
        QCOMPARE(fileBytes(t_.home.filePath(QStringLiteral("class.csv"))),
                 fileBytes(folder + QStringLiteral("students.csv")) +
                     ",,,class-summary,,,,,,,未计入：不是普通文件\n");
        QCOMPARE(fileBytes(t_.home.filePath(QStringLiteral("steps.csv"))),
                 fileBytes(folder + QStringLiteral("steps.csv")));
        QVERIFY(fileBytes(t_.home.filePath(QStringLiteral("class.html")))
                    .contains("<h1>班级汇总 K7M3Q</h1>"));
    }

    // 清空 starts a new class: nothing counted, nothing left out, nothing to export.
    void clearedForTheNextClass() {
        ClassSummaryWindow* window = openWindow();
        QVERIFY(window);
        press(*window, "clearFiles");
        QCOMPARE(table(*window, "students").rowCount(), 0);
        QCOMPARE(table(*window, "steps").rowCount(), 0);
        QVERIFY(leftOut(*window).isEmpty());
        QVERIFY(!window->findChild<QListWidget*>(QStringLiteral("leftOut"))->isVisible());
        QVERIFY(!button(*window, "exportStudents").isEnabled());
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("classScore"))->text(),
                 QStringLiteral("选择或拖入学生导出的练习答案（CSV 文件）。"));
    }

private:
    ClassSummaryWindow* openWindow() {
        QAction* item = teachingItem(*t_.window, QStringLiteral("班级汇总(&K)..."));
        if (!item) return nullptr;
        item->trigger();
        auto* window = t_.window->findChild<ClassSummaryWindow*>();
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    static QPushButton& button(ClassSummaryWindow& window, const char* name) {
        return *window.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    static void press(ClassSummaryWindow& window, const char* name) {
        QTest::mouseClick(&button(window, name), Qt::LeftButton);
    }
    static const QTableWidget& table(ClassSummaryWindow& window, const char* name) {
        return *window.findChild<QTableWidget*>(QString::fromLatin1(name));
    }
    static QString rowText(const QTableWidget& table, int row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            cells << table.item(row, column)->text();
        }
        return cells.join(QLatin1Char('|'));
    }
    static QStringList leftOut(ClassSummaryWindow& window) {
        QStringList texts;
        const auto* list = window.findChild<QListWidget*>(QStringLiteral("leftOut"));
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
        return texts;
    }
    static void drop(ClassSummaryWindow& window, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        const QPoint at = window.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
    }

    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ClassSummaryWindowTest)
#include "ClassSummaryWindowTest.moc"
