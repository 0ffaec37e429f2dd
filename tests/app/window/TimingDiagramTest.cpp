#include <QAction>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "WindowUnderTest.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TimingDiagram.h"
#include "app/TimingStrip.h"
#include "interp/Machine.h"
#include "support/Programs.h"

namespace tarvo::app {

namespace {

void turnWheel(TimingStrip& strip, int eighths, Qt::KeyboardModifiers modifiers) {
    const QPointF at(strip.width() / 2.0, strip.height() / 2.0);
    QWheelEvent wheel(at, strip.mapToGlobal(at), {}, {0, eighths}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&strip, &wheel);
}

// The point of the strip where a tick is drawn, on the X pulse row.
QPoint pointOf(const TimingStrip& strip, std::uint64_t tick) {
    const int y = strip.height() / 4;
    for (int x = 0; x < strip.width(); ++x) {
        if (strip.tickAt({x, y}) == tick) return {x, y};
    }
    return {};
}

void hover(TimingStrip& strip, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, strip.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
}

}  // namespace

// The pulse timing diagram in its dock of the real window, offscreen.
class TimingDiagramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    // Opened from the teaching menu, it follows the run; paused, it stays
    // where it is scrolled to while single ticks go on, and its cursor reads
    // out the first step of the sample program: tick 9, X and Y pulsing.
    void followsFreezesScrollsAndReadsOut() {
        ScriptedPrompts prompts;
        MainWindow window(settings_, &prompts);
        QVERIFY(showOnScreen(window));
        auto* opened = openTeachingPanel<TimingDiagram>(window, QStringLiteral("timingDock"),
                                                        QStringLiteral("脉冲时序图"));
        QVERIFY(opened);
        TimingDiagram& diagram = *opened;
        TimingStrip& strip = diagram.strip();
        QScrollBar& scroll = diagram.scrollBar();
        turnWheel(strip, 4 * 120, Qt::ControlModifier);  // zoomed in: fewer ticks than the run
        QVERIFY(strip.visibleTicks() < 100);

        interp::Machine& m = window.machine();
        window.runCommand();
        QTRY_VERIFY(test::ticksOf(m) > 200);
        diagram.refresh();
        QVERIFY(diagram.following() && !scroll.isEnabled());
        QCOMPARE(strip.rightTick(), test::ticksOf(m));

        window.pauseCommand();
        diagram.refresh();
        QVERIFY(scroll.isEnabled());
        const std::uint64_t newest = strip.rightTick();
        scroll.setValue(scroll.value() - 20);
        QCOMPARE(strip.rightTick(), newest - 20);
        turnWheel(strip, 120, Qt::NoModifier);
        QVERIFY(strip.rightTick() < newest - 20 && !diagram.following());
        const std::uint64_t frozen = strip.rightTick();
        for (int i = 0; i < 3; ++i) window.menus().mnustepTick->trigger();
        diagram.refresh();
        QCOMPARE(test::ticksOf(m), newest + 3);
        QCOMPARE(strip.rightTick(), frozen);

        scroll.setValue(scroll.minimum());
        QCOMPARE(strip.leftTick(), std::uint64_t{1});
        const QString first = QStringLiteral(
            "光标  节拍 9（插补）  第2行  X 1.000  Y 1.000  Z 60.000  输出 00001000");
        hover(strip, pointOf(strip, 9));
        QCOMPARE(diagram.readout(), first);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, pointOf(strip, 9));
        hover(strip, pointOf(strip, 12));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&strip, &leave);
        QVERIFY(strip.cursorPinned());
        QCOMPARE(diagram.readout(), first);

        window.runCommand();
        diagram.refresh();
        QVERIFY(diagram.following());
        QTRY_VERIFY_WITH_TIMEOUT(m.idle(), 10000);
        diagram.refresh();
        QCOMPARE(strip.rightTick(), test::ticksOf(m));
        QVERIFY(prompts.log.isEmpty());
    }

private:
    QTemporaryDir home_;
    Settings settings_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::TimingDiagramTest)
#include "TimingDiagramTest.moc"
