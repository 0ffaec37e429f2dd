#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "WindowUnderTest.h"
#include "app/ControlPanel.h"
#include "app/CoordinatePanel.h"
#include "app/EditorFrame.h"
#include "app/MainWindow.h"
#include "app/PaceBox.h"
#include "app/RunClock.h"
#include "app/Settings.h"
#include "interp/Machine.h"
#include "support/Programs.h"

namespace tarvo::app {

// The speed of a run and the step back, on the real window offscreen.
class RunPaceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    void init() { QVERIFY(openFreshWindow(settings_, prompts_, window_)); }

    void cleanup() { window_.reset(); }

    // The standard pace by default; 100 ms a tick makes a handful of ticks
    // where it makes hundreds; the fastest then finishes the run at once.
    void slowThenFastestMidRun() {
        PaceBox& box = window_->controlPanel().pace();
        QVERIFY(box.pace() == standardPace && window_->clock().pace() == standardPace);
        QVERIFY(box.currentText().contains(QStringLiteral("标准")));
        box.choose({1, 100});
        window_->runCommand();
        QTest::qWait(400);
        const interp::Machine& m = window_->machine();
        QVERIFY(test::ticksOf(m) <= 20);
        QVERIFY(m.advancing());
        box.setCurrentIndex(box.count() - 1);
        QVERIFY(window_->clock().pace().unlimited());
        QTRY_VERIFY_WITH_TIMEOUT(m.idle(), 10000);
        QCOMPARE(m.timer2Ticks(), 330u);
        QCOMPARE(window_->coordinatePanel().xcText().text(), QStringLiteral("-10"));
    }

    // Back through the menu: the read-outs go back with the machine, quietly,
    // the editor untouched; Run then resumes and Stop and Run start over.
    void stepBackThroughTheMenu() {
        const MainMenus& menus = window_->menus();
        const CoordinatePanel& c = window_->coordinatePanel();
        const interp::Machine& m = window_->machine();
        const QString text = window_->editorFrame().filetxt().toPlainText();
        window_->runCommand();
        window_->pauseCommand();
        for (int i = 0; i < 3; ++i) menus.mnustepStep->trigger();  // G00 X10 Y10: moves at step 2
        const QString x2 = c.xcText().text();
        menus.mnustepStep->trigger();
        menus.mnustepBack->trigger();
        QCOMPARE(m.runSteps(), 3u);
        QCOMPARE(c.xcText().text(), x2);
        for (int i = 0; i < 3; ++i) menus.mnustepBack->trigger();
        QCOMPARE(m.runSteps(), 0u);
        QCOMPARE(c.xcText().text(), QStringLiteral("0.0"));  // as before the first step
        QVERIFY(m.paused());
        QCOMPARE(window_->editorFrame().filetxt().toPlainText(), text);
        QVERIFY(!window_->editorFrame().filetxt().document()->isModified());
        window_->runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(m.idle(), 10000);
        QCOMPARE(m.timer2Ticks(), 330u);
        window_->stopCommand();
        window_->runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(m.idle(), 10000);
        QCOMPARE(m.timer2Ticks(), 660u);
        QVERIFY(prompts_->log.isEmpty());
    }

private:
    QTemporaryDir home_;  // the settings store, never the user's own
    Settings settings_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::RunPaceTest)
#include "RunPaceTest.moc"
