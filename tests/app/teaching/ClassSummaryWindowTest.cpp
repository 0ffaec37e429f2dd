#include "app/support/Pictures.h"
#include "app/support/TeachingWindows.h"
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
    void initTestCase() { QVERIFY(t_.enterHome() && t_.openWindow()); }

    // The class in tests/data picked in one dialog: four students counted, the two bad files
    // named with their reasons, and every step with its wrong answers, true minus signs shown.
    // What the rows say is the summary's own (ClassSummaryTest, pinned by its CSV files).
    void pickedFilesSummedUp() {
        ClassSummaryWindow* window = openWindow();
        QVERIFY(window);
        QVERIFY(window->frameGeometry().height() <= window->screen()->availableGeometry().height());
        QVERIFY(!named<QPushButton>(*window, "exportPage").isEnabled());
        t_.prompts->selections << QStringList();
        press(*window, "addFiles");
        QCOMPARE(named<QTableWidget>(*window, "students").rowCount(), 0);

        QStringList files;
        for (const char* name : {"01-wang", "02-li", "03-zhao", "04-chen", "05-sun", "06-zhou"}) {
            files << folder + QString::fromLatin1(name) + QStringLiteral(".csv");
        }
        t_.prompts->selections << files;
        press(*window, "addFiles");
        QCOMPARE(t_.prompts->log.last(),
                 QStringLiteral("open 选择学生的练习答案 CSV 文件 (*.csv);;所有文件 (*)"));
        QCOMPARE(labelText(*window, "classScore"),
                 QStringLiteral("练习码 K7M3Q：4 份答卷，共答对 17 / 24（70.8%）"));

        const QTableWidget& students = named<QTableWidget>(*window, "students");
        QCOMPARE(students.rowCount(), 4);
        QCOMPARE(rowText(students, 0),
                 QStringLiteral("2023001|王芳|01-wang.csv|1|4 / 6|66.7%|学号重复"));
        QVERIFY(students.item(0, 0)->background() != students.item(2, 0)->background());

        const QTableWidget& steps = named<QTableWidget>(*window, "steps");
        QCOMPARE(steps.rowCount(), 8);
        QCOMPARE(steps.item(0, 0)->text(),
                 QStringLiteral("1. 逐点比较法 圆弧 G02 SR1，圆心 (0, 0)：(0, 7) → (7, 0)"));
        QCOMPARE(steps.columnSpan(0, 0), 5);
        QCOMPARE(rowText(steps, 1), QStringLiteral("1|进给|−Y|2 / 4|+X ×1, −X ×1"));

        QCOMPARE(leftOut(*window),
                 QStringList({QStringLiteral("05-sun.csv：练习码 Q2W3E，不是本班的 K7M3Q"),
                              QStringLiteral("06-zhou.csv：第 1 次作答有 5 行答案，总数却是 6")}));
        QTest::qWait(50);  // the tables lay out their columns once the events come round
        QVERIFY(saveArtefact(*window, QStringLiteral("class-summary.png")));

        // Dropped, a file already in the class is not counted twice, and a folder is no file.
        drop(*window, {folder + QStringLiteral("01-wang.csv"), folder.chopped(1)});
        QCOMPARE(named<QTableWidget>(*window, "students").rowCount(), 4);
        QCOMPARE(leftOut(*window).last(), QStringLiteral("class-summary：不是普通文件"));
    }

    // Each export saves what the summary's writers make, whole; a save that fails says so. 清空
    // then starts a new class: nothing counted, nothing left out, nothing to export.
    void exportedAndClearedForTheNextClass() {
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
        press(*window, "clearFiles");
        QCOMPARE(named<QTableWidget>(*window, "students").rowCount(), 0);
        QCOMPARE(named<QTableWidget>(*window, "steps").rowCount(), 0);
        QVERIFY(leftOut(*window).isEmpty());
        QVERIFY(!named<QListWidget>(*window, "leftOut").isVisible());
        QVERIFY(!named<QPushButton>(*window, "exportStudents").isEnabled());
        QCOMPARE(labelText(*window, "classScore"),
                 QStringLiteral("选择或拖入学生导出的练习答案（CSV 文件）。"));
    }

private:
    ClassSummaryWindow* openWindow() {
        return openFromTeachingMenu<ClassSummaryWindow>(*t_.window,
                                                        QStringLiteral("班级汇总(&K)..."));
    }
    static QStringList leftOut(ClassSummaryWindow& window) {
        QStringList texts;
        const auto& list = named<QListWidget>(window, "leftOut");
        for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
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
