#include <QtTest>
#include <QtWidgets>

#include "app/window/ApplicationIdentity.h"
#include "app/window/DesignerWindow.h"
#include "app/window/HelpWindow.h"
#include "app/window/Translations.h"
#include "interp/Words.h"

namespace tarvo::app {

// What the application is beside its main window: its names, its icon, its language, its help.
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

    // The help shows all its text; Return unloads it, but only hides the designer.
    void helpAndDesignerWindows() {
        QPointer<HelpWindow> gn = new HelpWindow;
        const auto* text = gn->findChild<QLabel*>("helpText");
        QVERIFY(text);
        QVERIFY(text->height() >= text->heightForWidth(text->width()));

        QPointer<DesignerWindow> info = new DesignerWindow;
        info->move(200, 150);
        for (QWidget* window : std::initializer_list<QWidget*>{gn, info}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        const QPoint place = info->pos();
        QTest::mouseClick(&gn->returnButton(), Qt::LeftButton);
        QTest::mouseClick(&info->returnButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(gn.isNull());
        QVERIFY(info && !info->isVisible());
        info->show();
        QCOMPARE(info->pos(), place);
        QVERIFY(info->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(info.isNull());
    }

    // The help lists, with two digits, exactly the G and M words the interpreter accepts.
    void helpListsTheAcceptedWords() {
        QStringList listed;
        for (const auto& word : QRegularExpression("[GM]\\d+").globalMatch(HelpWindow::text())) {
            listed << word.captured();
        }
        for (const char letter : {'G', 'M'}) {
            const auto lookup = letter == 'G' ? interp::lookupG : interp::lookupM;
            for (int n = 0; n < 1000; ++n) {
                const QString two = QString::number(n).rightJustified(2, '0');
                for (const QString& digits : {QString::number(n), two}) {
                    QCOMPARE(lookup(digits.toStdString()).has_value(),
                             listed.contains(letter + two));
                }
            }
        }
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ApplicationIdentityTest)
#include "ApplicationIdentityTest.moc"
