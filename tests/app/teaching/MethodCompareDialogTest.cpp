#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "app/editor/EditorFrame.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/MethodCompareDialog.h"

namespace tarvo::app {

class MethodCompareDialogTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() {
        QVERIFY(t_.enterHome());
        QVERIFY(t_.openWindow());
    }

    // The sample program by comparison and by DDA: the same pulses per axis, and comparison
    // feeds an axis in every iteration where DDA also idles. A DDA arc whose ends are not on
    // one circle stops that run with the machine's message.
    void comparesTheEditorsProgramAndShowsItsError() {
        QAction* item = teachingItem(*t_.window, QStringLiteral("方法对比(&B)..."));
        QVERIFY(item);
        item->trigger();
        auto* dialog = t_.window->findChild<MethodCompareDialog*>();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        QVERIFY(dialog->frameGeometry().height() <= dialog->screen()->availableGeometry().height());

        QVERIFY(compares(*dialog));
        QCOMPARE(notice(*dialog), QStringLiteral("两种方法都走完了程序。"));
        const auto* table = dialog->findChild<QTableWidget*>();
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("B 数字积分法"));
        for (const int axis : {3, 4, 5}) QCOMPARE(cell(*table, axis, 0), cell(*table, axis, 1));
        QCOMPARE(cell(*table, 0, 0), cell(*table, 1, 0));
        QCOMPARE(cell(*table, 2, 0), QStringLiteral("0"));
        QVERIFY(cell(*table, 2, 1).toInt() > 0);

        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG00X5Y0\nG03X3.5Y3.57I-5J0\n%\n"));
        QVERIFY(compares(*dialog));
        QCOMPARE(notice(*dialog),
                 QStringLiteral("数字积分法：第3行有错数字积分法：起点与终点不在同一圆上："
                                "X²+Y² 为 25 与 32"));
        QVERIFY(t_.prompts->log.isEmpty());
    }

private:
    static bool compares(MethodCompareDialog& dialog) {
        auto* compare = dialog.findChild<QPushButton*>(QStringLiteral("compare"));
        QTest::mouseClick(compare, Qt::LeftButton);
        return QTest::qWaitFor([compare] { return compare->isEnabled(); }, 10000);
    }
    static QString notice(MethodCompareDialog& dialog) {
        return dialog.findChild<QLabel*>(QStringLiteral("notice"))->text();
    }
    static QString cell(const QTableWidget& table, int row, int column) {
        const QTableWidgetItem* item = table.item(row, column);
        return item ? item->text() : QString();
    }

    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::MethodCompareDialogTest)
#include "MethodCompareDialogTest.moc"
