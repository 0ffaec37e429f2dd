#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <initializer_list>

#include "app/DesignerWindow.h"
#include "app/HelpWindow.h"

using tarvo::app::DesignerWindow;
using tarvo::app::HelpWindow;

namespace {

const QString helpText = QStringLiteral(
    "      "
    "本仿真程序应用的是脉冲插补算法。在仿真过程中应用了两种插补方法：直线插补，圆弧插补（包括顺时方"
    "向插补和逆时方向插补)本仿真程序可以实现如下指令的判别和执行：  "
    "G00，G01，G02，G03，G04，M03，M05，M08，M09。在应用时，编程者只要按照本应用程序的要求输入程序"
    "，即可以实现所要求的加工过程的仿真过程。本程序能够判断所输入的程序的正确性，可以对程序进行编辑"
    "。本软件可以从平面和轴测两个视图观察仿真过程。并且在并口送出脉冲.\r\n");

void processDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // The help window shows its whole paragraph below the heading's text and
    // above the button, however much room a stand-in font needs. Return
    // closes and unloads it but only hides the designer window, which shows
    // again where it was; closing that unloads it.
    void helpAndDesignerWindows() {
        QPointer<HelpWindow> gn = new HelpWindow;
        const auto* heading = gn->findChild<QLabel*>("heading");
        const auto* text = gn->findChild<QLabel*>("helpText");
        QVERIFY(heading && text);
        QCOMPARE(text->text(), helpText);
        QVERIFY(text->y() >= heading->y() + heading->sizeHint().height());
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
        QVERIFY(gn->returnButton().y() > text->geometry().bottom());
        QVERIFY(gn->returnButton().geometry().bottom() < gn->height());

        QPointer<DesignerWindow> info = new DesignerWindow;
        info->move(200, 150);
        for (QWidget* window : std::initializer_list<QWidget*>{gn, info}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        const QPoint place = info->pos();
        QTest::mouseClick(&gn->returnButton(), Qt::LeftButton);
        QTest::mouseClick(&info->returnButton(), Qt::LeftButton);
        processDeletions();
        QVERIFY(gn.isNull());
        QVERIFY(info && !info->isVisible());
        info->show();
        QCOMPARE(info->pos(), place);
        QVERIFY(info->close());
        processDeletions();
        QVERIFY(info.isNull());
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
