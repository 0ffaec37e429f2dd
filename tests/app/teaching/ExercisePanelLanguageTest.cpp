#include "app/support/TeachingWindows.h"
#include "app/window/MethodMenu.h"
#include "app/window/RegisterBitsDialog.h"
#include "app/window/Translations.h"

namespace tarvo::app {

// A switch of language with the exercise panel open beside the window: the notice and the
// verdict of the last answer are said again, what the student typed stays. A modal box keeps
// the switch out of reach while it is open.
class ExercisePanelLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(speakInWindow(words::Language::chinese));
        QVERIFY(t_.enterHome() && t_.openWindow());
    }

    // Code K7M3Q's first iteration feeds −Y to F = −13; it is answered +Y with no F, then an F
    // that is no number is typed and checked with Enter.
    void noticeAndVerdictFollowTheSwitch() {
        auto* panel =
            openFromTeachingMenu<ExercisePanel>(*t_.window, QStringLiteral("开始练习(&S)..."));
        QVERIFY(panel);
        startExercises(*panel, {}, {}, QStringLiteral("K7M3Q"));
        press(*panel, "feed+Y");
        QLineEdit& deviation = named<QLineEdit>(*panel, "newDeviation");
        QTest::keyClicks(&deviation, QStringLiteral("12x"));
        QTest::keyClick(&deviation, Qt::Key_Return);
        const auto said = [panel] {
            return QStringList{labelText(*panel, "notice"), labelText(*panel, "verdict")};
        };
        const QStringList chinese = said();
        QCOMPARE(chinese[0], QStringLiteral("新偏差 F 应为整数，如 −3"));

        t_.window->menus().speakEnglish->trigger();
        QCOMPARE(said(),
                 (QStringList{QStringLiteral("The new deviation F must be a whole number, e.g. −3"),
                              QStringLiteral("Step 1: Feed ✗ answered +Y, should be −Y; New "
                                             "deviation ✗ no answer, should be −13\nF = 0 ≥ 0 → "
                                             "−Y; F = 0 − 2×7 + 1 = −13")}));
        QCOMPARE(deviation.text() + named<QLineEdit>(*panel, "exerciseCode").text(),
                 QStringLiteral("12xK7M3Q"));

        t_.window->menus().speakChinese->trigger();
        QCOMPARE(said(), chinese);
    }

    // The register width box is modal to the window: a click on 视图 opens no menu while it is
    // open, and does once it is closed.
    void aModalBoxKeepsTheSwitchOutOfReach() {
        QMenuBar& bar = *t_.window->menuBar();
        QAction* view = nullptr;
        for (QAction* a : bar.actions()) {
            if (a->menu() && a->menu()->actions().contains(t_.window->menus().planView)) view = a;
        }
        QVERIFY(view);
        // Clicked as the window system delivers it, which is where a modal box blocks.
        const auto clickView = [this, &bar, view] {
            QTest::mouseClick(t_.window->windowHandle(), Qt::LeftButton, {},
                              bar.mapTo(t_.window.get(), bar.actionGeometry(view).center()));
        };
        RegisterBitsDialog& bits = t_.window->methodMenu().registerBitsDialog();
        bits.open();
        QVERIFY(QTest::qWaitForWindowExposed(&bits));
        clickView();
        QTest::qWait(50);
        QVERIFY(!view->menu()->isVisible());
        bits.reject();
        clickView();
        QVERIFY(QTest::qWaitFor([view] { return view->menu()->isVisible(); }));
        view->menu()->close();
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ExercisePanelLanguageTest)
#include "ExercisePanelLanguageTest.moc"
