#include <QtTest>
#include <QtWidgets>

#include "app/window/ApplicationIdentity.h"
#include "app/window/Translations.h"

namespace tarvo::app {

// What the application is before any window opens: its names, its icon, its language.
class ApplicationIdentityTest : public QObject {
    Q_OBJECT

private slots:
    // The desktop finds Tarvo by these names, and every window shows its icon, drawn from the
    // SVG built into the program when no theme provides one.
    void namesAndIcon() {
        setApplicationIdentity(*qApp);
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvo"));
        QCOMPARE(QApplication::desktopFileName(), QStringLiteral("org.tarvo.Tarvo"));
        const QImage icon = QApplication::windowIcon().pixmap(64, 64).toImage();
        QVERIFY(!icon.isNull());
        // The staircase's last, horizontal stretch is yellow.
        QVERIFY(icon.pixelColor(22, 17).red() > 200 && icon.pixelColor(22, 17).blue() < 120);
    }

    // Standard buttons read in the window's language, and follow a switch at once.
    void standardButtonsReadInTheWindowsLanguage() {
        QVERIFY(speakInWindow(words::Language::chinese));
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
        QVERIFY(speakInWindow(words::Language::english));
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        QVERIFY(speakInWindow(words::Language::chinese));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ApplicationIdentityTest)
#include "ApplicationIdentityTest.moc"
