#include <QApplication>
#include <QCommandLineParser>

#include "app/base/Said.h"
#include "app/files/ProgramFiles.h"
#include "app/window/ApplicationIdentity.h"
#include "app/window/MainWindow.h"
#include "app/window/Settings.h"
#include "app/window/Translations.h"

namespace {

// `tarvo [PROGRAM.nc]`, with --help and --version as every desktop program
// has them; the parser prints and exits for those two. It runs before the
// window's application exists, so both answer without a display.
QString programToOpen(int& argc, char** argv) {
    const QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    QCommandLineParser parser;
    // The help speaks as the window will: the language chosen, else the system's.
    tarvo::app::speakInWindow(
        tarvo::app::Settings().language().value_or(tarvo::app::systemLanguage()));
    using tarvo::app::Said;
    parser.setApplicationDescription(Said::tr("三轴步进电机数控机床的模拟器，用于脉冲插补教学。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PROGRAM.nc"), Said::tr("启动时打开的数控程序。"));
    parser.process(application);
    const QStringList programs = parser.positionalArguments();
    return programs.isEmpty() ? QString() : programs.first();
}

}  // namespace

int main(int argc, char** argv) {
    const QString program = programToOpen(argc, argv);
    QApplication application(argc, argv);
    tarvo::app::setApplicationIdentity(application);
    tarvo::app::Settings settings;
    tarvo::app::speakInWindow(settings.language().value_or(tarvo::app::systemLanguage()));
    tarvo::app::MainWindow window(settings);
    window.show();
    // A program named on the command line (or by the file manager) opens at once.
    if (!program.isEmpty()) window.files().openPath(program);
    return QApplication::exec();
}
