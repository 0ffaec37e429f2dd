#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "ScriptedPrompts.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/ViewStack.h"
#include "interp/Machine.h"

namespace tarvo::app {

namespace {

// How many pixels of a colour a picture holds.
int count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    }
    return n;
}

}  // namespace

// The application on a real X server: it starts, runs the sample program, and
// its plan view shows the white rapid moves and the yellow cuts.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void samplePlanView() {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir home;  // the settings store, never the user's own
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).clear();
        Settings settings;
        ScriptedPrompts prompts;
        MainWindow window(settings, &prompts);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window.machine().idle(), 10000);
        QTest::qWait(100);

        const QPixmap shot = window.grab();
        const QString folder = qEnvironmentVariable("TARVO_ARTEFACTS", QDir::tempPath());
        QVERIFY(shot.save(folder + QStringLiteral("/sample-run.png")));

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
