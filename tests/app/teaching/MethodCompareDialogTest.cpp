#include "app/editor/EditorFrame.h"
#include "app/support/Pictures.h"
#include "app/support/TeachingWindows.h"
#include "motion/Methods.h"

namespace tarvo::app {

class MethodCompareDialogTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() {
        QVERIFY(t_.enterHome() && t_.openWindow());
        dialog_ = openFromTeachingMenu<MethodCompareDialog>(*t_.window,
                                                            QStringLiteral("方法对比(&B)..."));
        QVERIFY(dialog_);
        QVERIFY(dialog_->frameGeometry().height() <=
                dialog_->screen()->availableGeometry().height());
        table_ = &named<QTableWidget>(*dialog_, "figures");
    }

    // A quarter arc of 6 pulses after a rapid to its start: both runs end; the sum, each move
    // and the ticks take two rows each, A's and B's, the rapid's listed apart. The figures are
    // the trial's own (MethodTrialTest).
    void listsTheSumEachMoveAndTheTicks() {
        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG00X6Y0\nG03X0Y6I-6J0\n%\n"));
        QVERIFY(compares(*dialog_));
        QCOMPARE(labelText(*dialog_, "notice"), QStringLiteral("两种方法都走完了程序。"));
        QCOMPARE(table_->rowCount(), 8);
        QVERIFY(rowText(*table_, 0).startsWith(QStringLiteral("合计（不含 G00）|A|12|")));
        QCOMPARE((QStringList{cell(1, 1), cell(2, 0), cell(4, 0), cell(6, 0)}),
                 (QStringList{"B", "第2行 G00（不计入合计）", "第3行 G03", "完成节拍数（全程）"}));
        QVERIFY(saveArtefact(*dialog_, QStringLiteral("method-compare.png")));
    }

    // A DDA arc whose ends are not on one circle stops that run with the machine's message.
    void showsTheMachinesError() {
        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG00X5Y0\nG03X3.5Y3.57I-5J0\n%\n"));
        QVERIFY(compares(*dialog_));
        QCOMPARE(labelText(*dialog_, "notice"),
                 QStringLiteral("数字积分法：第3行有错数字积分法：起点与终点不在同一圆上："
                                "X²+Y² 为 25 与 32"));
        QVERIFY(t_.prompts->log.isEmpty());
    }

    // A new comparison clears what the last one showed before anything of it runs, and says
    // it is running; 取消 stops a long one and keeps what it did.
    void clearsAtOnceAndCancels() {
        QVERIFY(compares(*dialog_) && table_->rowCount() > 0);
        t_.settings.setParameterTexts("0", "0", "0", "1", "0.001");
        t_.window->editorFrame().filetxt().setPlainText(
            QStringLiteral("%\nG01X400Y300\nX800Y500\nX1250Y700\n%\n"));
        auto& compare = named<QPushButton>(*dialog_, "compare");
        compare.click();
        QCOMPARE(table_->rowCount(), 0);
        QCOMPARE(labelText(*dialog_, "notice"), QStringLiteral("正在运行……"));
        QVERIFY(!compare.isEnabled() && named<QPushButton>(*dialog_, "cancel").isEnabled());
        QTest::qWait(50);
        named<QPushButton>(*dialog_, "cancel").click();
        QVERIFY(QTest::qWaitFor([&compare] { return compare.isEnabled(); }, 10000));
        QCOMPARE(labelText(*dialog_, "notice"), QStringLiteral("已取消，只比较已走的部分。"));
        QVERIFY(table_->rowCount() > 0);
        t_.settings.setParameterTexts("0", "0", "0", "1", "1");
    }

    // Each picker offers the methods by the caption the method menu shows, 半加载 only beside
    // DDA; the item chosen is the method run. The line to (4, 3) takes 7 iterations by
    // comparison, 4 by the machine's DDA, whose capacity is the largest increment.
    void picksTheMethodByItsCaption() {
        auto& a = named<QComboBox>(*dialog_, "methodA");
        auto& b = named<QComboBox>(*dialog_, "methodB");
        for (const QComboBox* picker : {&a, &b}) {
            QCOMPARE(picker->count(), qsizetype(motion::methods().size()));
            for (int i = 0; i < picker->count(); ++i) {
                QCOMPARE(picker->itemText(i),
                         QString::fromUtf8(motion::methods()[std::size_t(i)].caption));
            }
        }
        QVERIFY(a.currentIndex() == 1 && b.currentIndex() == 2);
        QVERIFY(!named<QCheckBox>(*dialog_, "halfLoadA").isEnabled() &&
                named<QCheckBox>(*dialog_, "halfLoadB").isEnabled());
        a.setCurrentIndex(0);
        b.setCurrentIndex(1);
        QVERIFY(!named<QCheckBox>(*dialog_, "halfLoadB").isEnabled());
        t_.window->editorFrame().filetxt().setPlainText(QStringLiteral("%\nG01X4Y3\n%\n"));
        QVERIFY(compares(*dialog_));
        QCOMPARE(cell(0, 3) + cell(1, 3), QStringLiteral("47"));
    }

private:
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
