#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include "ScriptedPrompts.h"
#include "app/ControlPanel.h"
#include "app/CoordinatePanel.h"
#include "app/EditorFrame.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/Settings.h"
#include "interp/Machine.h"

namespace tarvo::app {

namespace {

QString outputByte(MainWindow& w) {
    QString bits;
    for (int i = 0; i < 8; ++i) bits += w.outputPanel().outdata(i).text();
    return bits;
}

}  // namespace

// The real main window, driven offscreen by its own 1 ms clock.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    void init() {
        prompts_ = std::make_unique<ScriptedPrompts>();
        window_ = std::make_unique<MainWindow>(settings_, prompts_.get());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        QSettings().clear();
    }

    void sampleProgramRunsToItsEnd() {
        QTest::mouseClick(&window_->controlPanel().command1(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(window_->machine().idle(), 10000);
        const CoordinatePanel& c = window_->coordinatePanel();
        QCOMPARE(c.xcText().text(), QStringLiteral("-10"));
        QCOMPARE(c.ycText().text(), QStringLiteral("-10"));
        QCOMPARE(c.zcText().text(), QStringLiteral("60"));
        QCOMPARE(c.xjText().text(), QStringLiteral("0"));
        QCOMPARE(outputByte(*window_), QStringLiteral("11111000"));
        QCOMPARE(window_->outputPanel().zhukg().text(), QStringLiteral("关"));
        QCOMPARE(window_->machine().timer2Ticks(), 330u);
        QVERIFY(prompts_->log.isEmpty());
        QCOMPARE(window_->editorFrame().markedLine(), 8);  // the closing "%" line
    }

    void pauseAndRunResumesWhereItStopped() {
        window_->runCommand();
        QTRY_VERIFY(window_->machine().timer2Ticks() > 40);
        window_->pauseCommand();
        const auto paused = window_->machine().timer2Ticks();
        const double x = window_->machine().interpolator().xcur;
        QTest::qWait(50);
        QCOMPARE(window_->machine().timer2Ticks(), paused);
        QCOMPARE(window_->machine().interpolator().xcur, x);
        window_->runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window_->machine().idle(), 10000);
        QCOMPARE(window_->machine().timer2Ticks(), 330u);
        QCOMPARE(window_->coordinatePanel().xcText().text(), QStringLiteral("-10"));
    }

    void stopThenRunStartsOver() {
        window_->runCommand();
        QTRY_VERIFY(window_->machine().timer2Ticks() > 40);
        window_->stopCommand();
        QVERIFY(window_->machine().idle());
        QCOMPARE(window_->editorFrame().markedLine(), 0);
        const auto before = window_->machine().timer2Ticks();
        window_->runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window_->machine().idle(), 10000);
        // A stop between a step and its reset leaves the next run one reset tick to make first.
        QVERIFY(window_->machine().timer2Ticks() - before >= 330u);
        QVERIFY(window_->machine().timer2Ticks() - before <= 331u);
        QCOMPARE(window_->coordinatePanel().xcText().text(), QStringLiteral("-10"));
    }

    void programErrorShowsItsMessage() {
        window_->editorFrame().filetxt().setPlainText(QStringLiteral("%\nG00X5\nG04\n%\n"));
        window_->runCommand();
        QTRY_COMPARE_WITH_TIMEOUT(prompts_->log, QStringList{QStringLiteral("出错: 第3行有错G....")}, 5000);
        QVERIFY(window_->machine().idle());
    }

    void emptyEditorIsRefused() {
        window_->editorFrame().filetxt().clear();
        window_->runCommand();
        QTRY_COMPARE(prompts_->log, QStringList{QStringLiteral("加载失败: 请加载NC程序")});
        QVERIFY(window_->machine().idle());
    }

    void editCommandsFollowTheEditorsFocus() {
        const MainMenus& m = window_->menus();
        window_->activateWindow();
        window_->editorFrame().filetxt().setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(m.mnuedit->menuAction()->isVisible());
        window_->controlPanel().command5().setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(!m.mnuedit->menuAction()->isVisible());
        for (int position = 4; position <= 7; ++position) QVERIFY(!m.button(position)->isVisible());
        QVERIFY(m.button(8)->isVisible());
        window_->editorFrame().filetxt().setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(m.mnuedit->menuAction()->isVisible());
        for (int position = 4; position <= 7; ++position) QVERIFY(m.button(position)->isVisible());
    }

    void viewSwitchesFollowTheOptionsAndMenus() {
        window_->menus().mnuzhc->trigger();
        QVERIFY(window_->linez().visible() && !window_->linep().visible());
        QVERIFY(window_->option1(0).isChecked());
        window_->option1(1).click();
        QVERIFY(window_->linep().visible() && !window_->linez().visible());
        window_->menus().mnupan->trigger();
        QVERIFY(window_->liner().visible() && !window_->linep().visible());
        QVERIFY(window_->option1(1).isChecked());
        window_->runCommand();
        QVERIFY(window_->linep().visible());
    }

    void toolbarDispatchesByKey() {
        window_->menus().button(12)->trigger();  // Stop while idle: the marker goes home
        window_->menus().button(10)->trigger();  // Run
        QVERIFY(!window_->machine().idle());
        window_->menus().button(11)->trigger();  // Pause
        QVERIFY(window_->machine().paused());
        window_->menus().button(12)->trigger();
        QVERIFY(window_->machine().idle());
    }

private:
    Settings settings_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::MainWindowTest)
#include "MainWindowTest.moc"
