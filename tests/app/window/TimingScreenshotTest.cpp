#include <QDockWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "Pictures.h"
#include "WindowUnderTest.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/TimingDiagram.h"
#include "app/TimingStrip.h"
#include "interp/Machine.h"

namespace tarvo::app {

// The window on a real X server with the pulse timing diagram open after the
// sample program, the cursor on one of the last ticks; the picture is left
// in the build folder to be looked at.
class TimingScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void sampleTimingDiagram() {
        QTemporaryDir home;
        QVERIFY(useScratchHome(home));
        Settings settings;
        ScriptedPrompts prompts;
        MainWindow window(settings, &prompts);
        auto* dock = window.findChild<QDockWidget*>(QStringLiteral("timingDock"));
        dock->show();
        QVERIFY(showOnScreen(window));
        window.runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window.machine().idle(), 10000);

        auto& diagram = *qobject_cast<TimingDiagram*>(dock->widget());
        diagram.refresh();
        TimingStrip& strip = diagram.strip();
        const QPoint at(strip.width() * 3 / 4, strip.height() / 3);
        QMouseEvent move(QEvent::MouseMove, at, strip.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&strip, &move);
        QVERIFY(diagram.readout().startsWith(QStringLiteral("光标  节拍 ")));
        QTest::qWait(100);

        QVERIFY(saveArtefact(window, QStringLiteral("timing-diagram.png")));
        QVERIFY(prompts.log.isEmpty());
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::TimingScreenshotTest)
#include "TimingScreenshotTest.moc"
