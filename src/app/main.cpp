#include <QApplication>

#include "app/files/ProgramFiles.h"
#include "app/window/ApplicationIdentity.h"
#include "app/window/MainWindow.h"
#include "app/window/Settings.h"
#include "app/window/Translations.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    tarvo::app::setApplicationIdentity(application);
    tarvo::app::installChineseTranslations(application);
    tarvo::app::Settings settings;
    tarvo::app::MainWindow window(settings);
    window.show();
    // A program named on the command line (or by the file manager) opens at once.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) window.files().openPath(arguments.at(1));
    return QApplication::exec();
}
