#include <QApplication>
#include <QIcon>
#include <QTest>

#include "app/window/ApplicationIdentity.h"

namespace tarvo::app {

// The desktop finds Tarvo by these names, and every window shows its icon,
// drawn from the SVG built into the program when no theme provides one.
class ApplicationIdentityTest : public QObject {
    Q_OBJECT

private slots:
    void namesAndIcon() {
        setApplicationIdentity(*qApp);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvo"));
        QCOMPARE(QApplication::desktopFileName(), QStringLiteral("org.tarvo.Tarvo"));
        const QImage icon = QApplication::windowIcon().pixmap(64, 64).toImage();
        QVERIFY(!icon.isNull());
        // The staircase's last, horizontal stretch is yellow.
        QVERIFY(icon.pixelColor(22, 17).red() > 200 && icon.pixelColor(22, 17).blue() < 120);
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ApplicationIdentityTest)
#include "ApplicationIdentityTest.moc"
