#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "app/editor/EditorFrame.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/MethodCompareDialog.h"
#include "motion/Methods.h"

namespace tarvo::app {

class MethodCompareDialogTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() {
        QVERIFY(t_.enterHome());
        QVERIFY(t_.openWindow());
        QAction* item = teachingItem(*t_.window, QStringLiteral("方法对比(&B)..."));
        QVERIFY(item);
        item->trigger();
        dialog_ = t_.window->findChild<MethodCompareDialog*>();
        QVERIFY(dialog_ && QTest::qWaitForWindowExposed(dialog_));
        QVERIFY(dialog_->frameGeometry().height() <=
                dialog_->screen()->availableGeometry().height());
        table_ = dialog_->findChild<QTableWidget*>(QStringLiteral("figures"));
        QVERIFY(table_);
    }

    // The sample program by comparison and by DDA: the same pulses per axis in the sum of the
    // moves compared, and comparison feeds an axis in every iteration where DDA also idles.
    void comparesTheEditorsProgram() {
        QVERIFY(compares());
        QCOMPARE(notice(), QStringLiteral("两种方法都走完了程序。"));
        QCOMPARE(cell(0, 0), QStringLiteral("合计（不含 G00）"));
        QCOMPARE(cell(0, 1), QStringLiteral("A"));
        QCOMPARE(cell(1, 1), QStringLiteral("B"));
        for (const int axis : {5, 6, 7}) QCOMPARE(cell(0, axis), cell(1, axis));
        QCOMPARE(cell(0, 2), cell(0, 3));
        QCOMPARE(cell(0, 4), QStringLiteral("0"));
        QVERIFY(cell(1, 4).toInt() > 0);
    }

    // A quarter arc of 6 pulses after a rapid to its start: the sum is the arc's 12 steps, 6
    // pulses on each axis; the rapid's 6 steps are listed apart.
    void listsTheRapidApart() {
        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG00X6Y0\nG03X0Y6I-6J0\n%\n"));
        QVERIFY(compares());
        QCOMPARE(table_->rowCount(), 8);  // two rows each: the sum, two moves, the ticks
        QCOMPARE(cell(0, 2), QStringLiteral("12"));
        QCOMPARE(cell(0, 5), QStringLiteral("6"));
        QCOMPARE(cell(0, 6), QStringLiteral("6"));
        QCOMPARE(cell(2, 0), QStringLiteral("第2行 G00（不计入合计）"));
        QCOMPARE(cell(2, 2), QStringLiteral("6"));
        QCOMPARE(cell(2, 5), QStringLiteral("6"));
        QCOMPARE(cell(4, 0), QStringLiteral("第3行 G03"));
        QCOMPARE(cell(4, 2), QStringLiteral("12"));
        QCOMPARE(cell(4, 8), QStringLiteral("1.000"));
        QCOMPARE(cell(6, 0), QStringLiteral("完成节拍数（全程）"));
        const QString artefacts = qEnvironmentVariable("TARVO_ARTEFACTS");
        if (!artefacts.isEmpty()) dialog_->grab().save(artefacts + "/method-compare.png");
    }

    // A DDA arc whose ends are not on one circle stops that run with the machine's message.
    void showsTheMachinesError() {
        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG00X5Y0\nG03X3.5Y3.57I-5J0\n%\n"));
        QVERIFY(compares());
        QCOMPARE(notice(),
                 QStringLiteral("数字积分法：第3行有错数字积分法：起点与终点不在同一圆上："
                                "X²+Y² 为 25 与 32"));
        QVERIFY(t_.prompts->log.isEmpty());
    }

    // A new comparison clears what the last one showed before anything of it runs, and says
    // it is running; 取消 stops a long one and keeps what it did.
    void clearsAtOnceAndCancels() {
        QVERIFY(compares());
        QVERIFY(table_->rowCount() > 0);
        t_.settings.setParameterTexts("0", "0", "0", "1", "0.001");
        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG01X400Y300\nX800Y500\nX1250Y700\n%\n"));
        auto* compare = dialog_->findChild<QPushButton*>(QStringLiteral("compare"));
        auto* cancel = dialog_->findChild<QPushButton*>(QStringLiteral("cancel"));
        compare->click();
        QCOMPARE(table_->rowCount(), 0);
        QCOMPARE(notice(), QStringLiteral("正在运行……"));
        QVERIFY(!compare->isEnabled());
        QVERIFY(cancel->isEnabled());
        QTest::qWait(50);
        cancel->click();
        QVERIFY(QTest::qWaitFor([compare] { return compare->isEnabled(); }, 10000));
        QCOMPARE(notice(), QStringLiteral("已取消，只比较已走的部分。"));
        QVERIFY(table_->rowCount() > 0);
        t_.settings.setParameterTexts("0", "0", "0", "1", "1");
    }

    // Each picker offers the methods by the caption the method menu shows, 半加载 only beside
    // DDA; the item chosen is the method run. The line to (4, 3) takes 7 iterations by
    // comparison, 8 by the textbook's DDA (2^3 above 4), 4 by the machine's DDA, whose
    // capacity is the largest increment.
    void picksTheMethodByItsCaption() {
        auto* a = dialog_->findChild<QComboBox*>(QStringLiteral("methodA"));
        auto* b = dialog_->findChild<QComboBox*>(QStringLiteral("methodB"));
        QVERIFY(a && b);
        QStringList captions;
        for (const motion::MethodEntry& method : motion::methods()) {
            captions << QString::fromUtf8(method.caption);
        }
        for (const QComboBox* picker : {a, b}) {
            QStringList items;
            for (int i = 0; i < picker->count(); ++i) items << picker->itemText(i);
            QCOMPARE(items, captions);
        }
        QCOMPARE(a->currentText(), captions[1]);
        QCOMPARE(b->currentText(), captions[2]);
        const auto halfLoad = [this](int which) {
            const QString name = QStringLiteral("halfLoad%1").arg(QChar(u'A' + which));
            return dialog_->findChild<QCheckBox*>(name)->isEnabled();
        };
        QVERIFY(!halfLoad(0) && halfLoad(1));
        t_.window->editorFrame().filetxt().setPlainText(QStringLiteral("%\nG01X4Y3\n%\n"));
        QVERIFY(compares());
        QCOMPARE(cell(0, 3), QStringLiteral("7"));
        QCOMPARE(cell(1, 3), QStringLiteral("8"));
        a->setCurrentIndex(0);
        b->setCurrentIndex(1);
        QVERIFY(!halfLoad(0) && !halfLoad(1));
        QVERIFY(compares());
        QCOMPARE(cell(0, 3), QStringLiteral("4"));
        QCOMPARE(cell(1, 3), QStringLiteral("7"));
        a->setCurrentIndex(1);
        b->setCurrentIndex(2);
        QVERIFY(!halfLoad(0) && halfLoad(1));
    }

private:
    bool compares() {
        auto* compare = dialog_->findChild<QPushButton*>(QStringLiteral("compare"));
        QTest::mouseClick(compare, Qt::LeftButton);
        return QTest::qWaitFor([compare] { return compare->isEnabled(); }, 10000);
    }
    QString notice() const { return dialog_->findChild<QLabel*>(QStringLiteral("notice"))->text(); }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = table_->item(row, column);
        return item ? item->text() : QString();
    }

    WindowUnderTest t_;
    MethodCompareDialog* dialog_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::MethodCompareDialogTest)
#include "MethodCompareDialogTest.moc"
