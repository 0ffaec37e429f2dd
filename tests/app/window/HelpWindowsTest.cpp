#include <QtTest>
#include <QtWidgets>
#include <initializer_list>

#include "app/window/DesignerWindow.h"
#include "app/window/HelpWindow.h"
#include "interp/Words.h"

using tarvo::app::DesignerWindow;
using tarvo::app::HelpWindow;

namespace {

void processDeletions() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
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
        processDeletions();
        QVERIFY(gn.isNull());
        QVERIFY(info && !info->isVisible());
        info->show();
        QCOMPARE(info->pos(), place);
        QVERIFY(info->close());
        processDeletions();
        QVERIFY(info.isNull());
    }

    // The help lists, with two digits, exactly the G and M words the interpreter accepts.
    void helpListsTheAcceptedWords() {
        QStringList listed;
        for (const auto& word : QRegularExpression("[GM]\\d+").globalMatch(HelpWindow::text())) {
            listed << word.captured();
        }
        for (const char letter : {'G', 'M'}) {
            const auto lookup = letter == 'G' ? tarvo::interp::lookupG : tarvo::interp::lookupM;
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

QTEST_MAIN(HelpWindowsTest)
#include "HelpWindowsTest.moc"
