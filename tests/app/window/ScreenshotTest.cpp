#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "Pictures.h"
#include "WindowUnderTest.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/ViewStack.h"
#include "interp/Machine.h"

namespace tarvo::app {

// The application on a real X server: it starts, runs the sample program, and
// its plan view shows the white rapid moves and the yellow cuts.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void samplePlanView() {
        QTemporaryDir home;  // the settings store, never the user's own
        QVERIFY(useScratchHome(home));
        Settings settings;
        ScriptedPrompts prompts;
        MainWindow window(settings, &prompts);
        QVERIFY(showOnScreen(window));
        window.runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window.machine().idle(), 10000);
        QTest::qWait(100);

        QVERIFY(saveArtefact(window, QStringLiteral("sample-run.png")));

        const QImage plan =
            window.viewStack().linep().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(count(plan, qRgb(64, 64, 64)) > plan.width() * plan.height() / 2);
        QVERIFY(count(plan, qRgb(255, 255, 0)) > 50);     // G01, G02, G03
        QVERIFY(count(plan, qRgb(255, 255, 255)) > 200);  // axes and the G00 moves
        QVERIFY(prompts.log.isEmpty());
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ScreenshotTest)
#include "ScreenshotTest.moc"
