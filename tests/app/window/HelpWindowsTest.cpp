#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

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
    void helpWindowShowsItsTexts() {
        HelpWindow gn;
        QCOMPARE(gn.windowTitle(), "功能简介");
        QVERIFY(gn.isWindow());
        QVERIFY(!gn.parentWidget());
        const auto* heading = gn.findChild<QLabel*>("heading");
        QVERIFY(heading);
        QCOMPARE(heading->text(), "功能简介：");
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->font().pointSizeF(), 15.75);
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(192, 64, 0));
        const auto* text = gn.findChild<QLabel*>("helpText");
        QVERIFY(text);
        QCOMPARE(text->text(), helpText);
        QVERIFY(text->wordWrap());
        QCOMPARE(text->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(text->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(gn.returnButton().text(), "点击返回");
    }

    // A stand-in font may need more room than designed, never less, and the
    // paragraph must not paint over the heading.
    void helpWindowHoldsItsWholeParagraph() {
        HelpWindow gn;
        QVERIFY(gn.width() == 441 && gn.height() >= 505);
        const auto* heading = gn.findChild<QLabel*>("heading");
        const auto* text = gn.findChild<QLabel*>("helpText");
        QVERIFY(text->y() >= heading->y() + heading->sizeHint().height());
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
        QVERIFY(gn.returnButton().y() > text->geometry().bottom());
        QVERIFY(gn.returnButton().geometry().bottom() < gn.height());
    }

    void returnClosesAndUnloadsTheHelpWindow() {
        QPointer<HelpWindow> gn = new HelpWindow;
        gn->show();
        QVERIFY(QTest::qWaitForWindowExposed(gn));
        QTest::mouseClick(&gn->returnButton(), Qt::LeftButton);
        processDeletions();
        QVERIFY(gn.isNull());
    }

    void designerWindowShowsCredits() {
        DesignerWindow info;
        QCOMPARE(info.windowTitle(), "Form1");
        QVERIFY(info.isWindow());
        QVERIFY(!info.parentWidget());
        QVERIFY(info.width() == 330 && info.height() >= 167);
        QStringList lines;
        for (const QLabel* label : info.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) lines << label->text();
        }
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.first().contains("Tarvo 开发组"));
        const auto* picture = info.findChild<QLabel*>("picture");
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(137, 143));
        QCOMPARE(info.returnButton().text(), "点击返回");
    }

    void returnHidesTheDesignerWindowWhereItWas() {
        QPointer<DesignerWindow> info = new DesignerWindow;
        info->move(200, 150);
        info->show();
        QVERIFY(QTest::qWaitForWindowExposed(info));
        const QPoint place = info->pos();
        QTest::mouseClick(&info->returnButton(), Qt::LeftButton);
        processDeletions();
        QVERIFY(info);
        QVERIFY(!info->isVisible());
        info->show();
        QCOMPARE(info->pos(), place);
        delete info;
    }

    void theFrameUnloadsEitherWindow() {
        QPointer<QWidget> windows[] = {new HelpWindow, new DesignerWindow};
        for (auto& window : windows) {
            window->show();
            QVERIFY(window->close());
        }
        processDeletions();
        for (auto& window : windows) QVERIFY(window.isNull());
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
