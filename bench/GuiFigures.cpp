// The window's own figures, measured on a display (e.g. under xvfb-run):
// time from the start of main() to the first painted window, time to open a
// 1 MB program into the editor, and how well the 1 ms clock keeps time while
// the sample program runs at a pulse equivalent of 0.01 mm with live drawing
// (virtual milliseconds advanced per wall-clock second; 1000 is perfect).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/ProgramFiles.h"
#include "app/RunClock.h"
#include "app/Settings.h"
#include "interp/Machine.h"

namespace {

double milliseconds(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

QString megabyteProgram(const QTemporaryDir& dir) {
    QByteArray text = "%\r\n";
    for (int i = 0; text.size() < (1 << 20); ++i) {
        text += "N" + QByteArray::number(i) + " G01X" + QByteArray::number(i % 100) + "Y" +
                QByteArray::number(i % 37) + "F200\r\n";
    }
    const QString path = dir.filePath(QStringLiteral("big.nc"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(text + "%\r\n");
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    tarvo::app::Settings settings;
    settings.setParameterTexts("0", "0", "0", "1", "0.01");
    tarvo::app::MainWindow window(settings);
    window.show();
    while (!window.windowHandle()->isExposed()) QApplication::processEvents();
    window.repaint();
    std::printf("cold start to first painted window: %.0f ms (target <= 500)\n", milliseconds(sinceStart));

    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    QElapsedTimer wall;
    qint64 startMs = 0;
    QTimer::singleShot(500, [&] {  // the sample program, once the window has settled
        window.runCommand();
        startMs = window.clock().advanced();
        wall.start();
    });
    QTimer::singleShot(500 + seconds * 1000, [&] {
        const auto advanced = static_cast<double>(window.clock().advanced() - startMs);
        std::printf("gui clock: %.1f virtual ms per wall second (target >= 990)\n",
                    advanced * 1000.0 / milliseconds(wall));
        window.stopCommand();

        const QString big = megabyteProgram(home);
        QElapsedTimer opening;
        opening.start();
        window.files().openPath(big);
        QApplication::processEvents();
        std::printf("opening a 1 MB program: %.0f ms (target <= 200)\n", milliseconds(opening));
        QApplication::quit();
    });
    return QApplication::exec();
}
