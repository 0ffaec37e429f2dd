#include <QApplication>

#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/Translations.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    tarvo::app::installChineseTranslations(application);
    tarvo::app::Settings settings;
    tarvo::app::MainWindow window(settings);
    window.show();
    return QApplication::exec();
}
