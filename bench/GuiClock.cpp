// How well the window keeps time: runs the sample program at a pulse
// equivalent of 0.01 mm with live drawing for a few seconds and prints the
// virtual milliseconds advanced per wall-clock second (1000 is perfect).
// Run it on a display, e.g. under xvfb-run.
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "app/RunClock.h"
#include "app/Settings.h"
#include "interp/Machine.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    tarvo::app::Settings settings;
    settings.setParameterTexts("0", "0", "0", "1", "0.01");
    tarvo::app::MainWindow window(settings);
    window.show();

    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    QElapsedTimer wall;
    qint64 startMs = 0;
    QTimer::singleShot(500, [&] {  // let the window settle first
        window.runCommand();
        startMs = window.clock().advanced();
        wall.start();
    });
    QTimer::singleShot(500 + seconds * 1000, [&] {
        const auto advanced = static_cast<double>(window.clock().advanced() - startMs);
        const double perSecond = advanced * 1000.0 / static_cast<double>(wall.elapsed());
        std::printf("gui clock: %.1f virtual ms per wall second (target >= 990)\n", perSecond);
        window.stopCommand();
        QApplication::quit();
    });
    return QApplication::exec();
}
