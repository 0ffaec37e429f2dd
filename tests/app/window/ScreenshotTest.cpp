#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "app/panels/ViewStack.h"
#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/TimingDiagram.h"
#include "app/teaching/TimingStrip.h"

namespace tarvo::app {

// The window on a real X server after the sample run; the pictures stay in the build folder.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() {
        QVERIFY(t_.prompts->log.isEmpty());
        t_.window.reset();
    }

    // The plan view shows the white rapid moves and axes and the yellow cuts.
    void samplePlanView() {
        QVERIFY(runsToEnd(*t_.window));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("sample-run.png")));
        const QImage plan =
            t_.window->viewStack().linep().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(count(plan, qRgb(64, 64, 64)) > plan.width() * plan.height() / 2);
        QVERIFY(count(plan, qRgb(255, 255, 0)) > 50);     // G01, G02, G03
        QVERIFY(count(plan, qRgb(255, 255, 255)) > 200);  // axes and the G00 moves
    }

    // The pulse timing diagram open, its cursor on one of the last ticks.
    void sampleTimingDiagram() {
        auto* diagram = openTeachingPanel<TimingDiagram>(*t_.window, QStringLiteral("timingDock"),
                                                         QStringLiteral("脉冲时序图"));
        QVERIFY(diagram);
        QVERIFY(runsToEnd(*t_.window));
        diagram->refresh();
        TimingStrip& strip = diagram->strip();
        const QPoint at(strip.width() * 3 / 4, strip.height() / 3);
        QMouseEvent move(QEvent::MouseMove, at, strip.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&strip, &move);
        QVERIFY(diagram->readout().startsWith(QStringLiteral("光标  节拍 ")));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("timing-diagram.png")));
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ScreenshotTest)
#include "ScreenshotTest.moc"
