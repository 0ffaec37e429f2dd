#include "app/window/ApplicationIdentity.h"

#include <QApplication>
#include <QIcon>

namespace tarvo::app {

void setApplicationIdentity(QApplication& application) {
    QApplication::setOrganizationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationName(QStringLiteral("Tarvo"));
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.tarvo.Tarvo"));
    application.setWindowIcon(
        QIcon::fromTheme(QStringLiteral("tarvo"), QIcon(QStringLiteral(":/icons/tarvo.svg"))));
}

}  // namespace tarvo::app
