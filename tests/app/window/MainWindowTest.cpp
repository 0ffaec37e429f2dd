#include <algorithm>
#include <functional>

#include "app/editor/EditorFrame.h"
#include "app/files/ProgramFiles.h"
#include "app/link/RunClock.h"
#include "app/panels/ControlPanel.h"
#include "app/panels/CoordinatePanel.h"
#include "app/panels/OutputPanel.h"
#include "app/panels/PaceBox.h"
#include "app/support/WindowUnderTest.h"
#include "app/window/MethodMenu.h"
#include "app/window/ParameterDialog.h"
#include "app/window/RegisterBitsDialog.h"
#include "interp/Messages.h"
#include "motion/Methods.h"
#include "support/Programs.h"

namespace tarvo::app {

namespace {

// Work point X, Y, Z, origin X, Y, Z, the output byte and the spindle.
QStringList readouts(MainWindow& w) {
    const CoordinatePanel& c = w.coordinatePanel();
    QStringList texts;
    for (const QLineEdit* t :
         {&c.xcText(), &c.ycText(), &c.zcText(), &c.xjText(), &c.yjText(), &c.zjText()}) {
        texts << t->text();
    }
    QString bits;
    for (int i = 0; i < 8; ++i) bits += w.outputPanel().outdata(i).text();
    return texts << bits << w.outputPanel().zhukg().text();
}

void click(const MainMenus& m, QAction* button) {
    QTest::mouseClick(m.toolBar->widgetForAction(button), Qt::LeftButton);
}

void type(QLineEdit& field, const QString& text) {
    field.clear();
    QTest::keyClicks(&field, text);
}

// Opens the parameter dialog from the control panel and works it while it is up.
void withParameterDialog(MainWindow& w, const std::function<void(ParameterDialog&)>& work) {
    QTimer::singleShot(0, &w, [&w, work] {
        auto* d = w.findChild<ParameterDialog*>();
        work(*d);
        if (d->isVisible()) d->reject();
    });
    w.controlPanel().settingsButton().click();
}

}  // namespace

// The real main window, driven offscreen by its own 1 ms clock.
class MainWindowTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() {
        t_.window.reset();
        clearSettings();
    }

    // Run, Pause and Stop from the toolbar and the control panel, F5 to F9 and Shift+F7 (a key
    // two commands shared would trigger neither); only the commands that can act are enabled.
    void commandsReachTheMachine() {
        MainWindow& w = *t_.window;
        const MainMenus& m = w.menus();
        ControlPanel& panel = w.controlPanel();
        const interp::Machine& machine = w.machine();
        const QLineEdit& x = w.coordinatePanel().xcText();
        const auto press = [&w](Qt::Key key, Qt::KeyboardModifiers with = {}) {
            QTest::keyClick(&w, key, with);
        };
        const auto enabled = [&](bool steps, bool back, bool pause) {
            const QWidget* pauseTool = m.toolBar->widgetForAction(m.pauseRun);
            return m.stepTick->isEnabled() == steps && m.stepIteration->isEnabled() == steps &&
                   m.stepToLineEnd->isEnabled() == steps && m.stepBack->isEnabled() == back &&
                   m.pauseRun->isEnabled() == pause && pauseTool->isEnabled() == pause &&
                   panel.pauseButton().isEnabled() == pause;
        };
        for (const QAction* button : m.toolBar->actions()) {  // named after its menu item
            QVERIFY(button->isSeparator() || button->text().startsWith(button->toolTip()));
        }
        QVERIFY(enabled(true, false, false));
        press(Qt::Key_F7);  // from idle: the run starts and holds after its first step
        QVERIFY(machine.paused() && machine.runSteps() == 1);
        for (int i = 0; i < 2; ++i) press(Qt::Key_F7);  // G00 X10 Y10 moves at step 2
        const QString x3 = x.text();
        press(Qt::Key_F7);
        press(Qt::Key_F7, Qt::ShiftModifier);
        QVERIFY(machine.runSteps() == 3 && x.text() == x3 && enabled(true, true, false));
        for (int i = 0; i < 3; ++i) press(Qt::Key_F7, Qt::ShiftModifier);
        QVERIFY(machine.runSteps() == 0 && x.text() == "0");  // the start point, shown at Run
        QVERIFY(enabled(true, false, false));
        press(Qt::Key_F8);  // the "%" line: no motion
        press(Qt::Key_F8);
        QCOMPARE(x.text(), QStringLiteral("10"));
        const auto ticks = test::ticksOf(machine);
        press(Qt::Key_F6);
        QCOMPARE(test::ticksOf(machine), ticks + 1);
        press(Qt::Key_F5);
        QVERIFY(enabled(false, false, true));
        QTRY_VERIFY_WITH_TIMEOUT(machine.idle(), 10000);
        QVERIFY(enabled(true, true, false));
        QCOMPARE(readouts(w), (QStringList{"-10", "-10", "60", "0", "0", "0", "11111000", "关"}));
        QVERIFY(!w.editorFrame().filetxt().document()->isModified());

        panel.runButton().click();
        click(m, m.pauseRun);
        QVERIFY(machine.paused());
        panel.stopButton().click();
        QVERIFY(machine.idle() && w.editorFrame().markedLine() == 0 && enabled(true, false, false));
        press(Qt::Key_F5);
        press(Qt::Key_F9);  // Pause
        QVERIFY(machine.paused());
        press(Qt::Key_F5);
        QVERIFY(machine.advancing());
        click(m, m.stopRun);
        QVERIFY(machine.idle());
        QVERIFY(t_.prompts->log.isEmpty());
    }

    // At 100 ms a tick a run makes a handful of ticks; the fastest pace then finishes it at once.
    void paceChangesMidRun() {
        PaceBox& box = t_.window->controlPanel().pace();
        QVERIFY(box.pace() == interp::standardPace &&
                t_.window->clock().pace() == interp::standardPace);
        box.choose({1, 100});
        t_.window->runCommand();
        QTest::qWait(400);
        const interp::Machine& m = t_.window->machine();
        QVERIFY(test::ticksOf(m) <= 20 && m.advancing());
        box.setCurrentIndex(box.count() - 1);
        QVERIFY(t_.window->clock().pace().unlimited());
        QTRY_VERIFY_WITH_TIMEOUT(m.idle(), 10000);
    }

    // The Edit menu, Cut, Copy and their separators show only while the editor has the focus;
    // Paste's button stays, but its key is the editor's alone.
    void editCommandsFollowTheEditorsFocus() {
        const MainMenus& m = t_.window->menus();
        ProgramEditor& text = t_.window->editorFrame().filetxt();
        const QList<QAction*> ruled{m.editMenu->menuAction(), m.editSeparator, m.editSeparator2,
                                    m.cutText, m.copyText};
        const auto shown = [&ruled](bool expected) {
            return std::all_of(ruled.begin(), ruled.end(),
                               [expected](QAction* a) { return a->isVisible() == expected; });
        };
        const auto onToolbar = [&m](QAction* a) {
            return m.toolBar->widgetForAction(a)->isVisible();
        };
        const QString sample = text.toPlainText();
        QPushButton& other = t_.window->controlPanel().settingsButton();
        other.setFocus(Qt::TabFocusReason);
        QVERIFY(shown(false));
        QTRY_VERIFY(!onToolbar(m.cutText) && onToolbar(m.pasteText));
        QApplication::clipboard()->setText(QStringLiteral("M05"));
        QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text.toPlainText(), sample);
        click(m, m.pasteText);
        QCOMPARE(text.toPlainText(), "M05" + sample);

        text.setFocus(Qt::MouseFocusReason);
        QVERIFY(shown(true));
        QTRY_VERIFY(onToolbar(m.cutText));
        // Alt+F, E, V, R, T, A open their menus over the editor; Escape closes the menu, a
        // second leaves the menu bar, and the focus is the editor's again.
        QMenuBar* bar = t_.window->menuBar();
        for (const QAction* title : bar->actions()) {
            QTest::keyClick(&text, QKeySequence::mnemonic(title->text())[0].key(), Qt::AltModifier);
            QCOMPARE(QApplication::activePopupWidget(), title->menu());
            QVERIFY(shown(true));
            QTest::keyClick(title->menu(), Qt::Key_Escape);
            QTest::keyClick(bar, Qt::Key_Escape);
            QVERIFY(text.hasFocus() && shown(true));
        }
    }

    // The dialog shows stored texts that do not read as their defaults, refuses a bad text in
    // place and keeps what OK accepts, as typed; a run takes it.
    void parameterDialogSetsTheRun() {
        MainWindow& w = *t_.window;
        t_.settings.setParameterTexts(QStringLiteral("1e400"), QStringLiteral("5mm"), QString(),
                                      QStringLiteral("1001"), QStringLiteral("inf"));
        const auto texts = [](ParameterDialog& d) {
            return QStringList{d.g54xt().text(), d.g54yt().text(), d.g54zt().text(),
                               d.beit().text(), d.dlt().text()};
        };
        const QStringList typed{"5", "-2.25", "1e1", " 2.5", "1.50"};
        withParameterDialog(w, [&](ParameterDialog& d) {
            QCOMPARE(texts(d), (QStringList{"0", "0", "0", "1", "1"}));
            QLineEdit* fields[] = {&d.g54xt(), &d.g54yt(), &d.g54zt(), &d.beit(), &d.dlt()};
            for (int i = 0; i < 5; ++i) type(*fields[i], i == 3 ? QStringLiteral("0") : typed[i]);
            QTest::mouseClick(d.findChild<QPushButton*>(), Qt::LeftButton);
            const std::string_view refusal = interp::messages::badMagnification;
            QCOMPARE(d.findChild<QLabel*>("problem")->text(), QString::fromUtf8(refusal));
            QVERIFY(d.isVisible() && d.beit().selectedText() == "0");
            QCOMPARE(t_.settings.parameterText(QStringLiteral("g54x")), QStringLiteral("0"));
            type(d.beit(), typed[3]);
            QTest::mouseClick(d.findChild<QPushButton*>(), Qt::LeftButton);
            QVERIFY(!d.isVisible());
        });
        withParameterDialog(w, [&](ParameterDialog& d) {
            QVERIFY(texts(d) == typed && !d.findChild<QLabel*>("problem")->isVisible());
            type(d.g54xt(), QStringLiteral("7"));
            QTest::keyClick(&d.g54xt(), Qt::Key_Escape);
        });
        QCOMPARE(t_.settings.parameterText(QStringLiteral("g54x")), QStringLiteral("5"));
        w.runCommand();
        QCOMPARE(w.machine().bei(), 2);  // 2.5 to the even neighbour
        QCOMPARE(w.machine().dlstep().toDouble(), 15.0);
        QCOMPARE(readouts(w).mid(3, 3), (QStringList{"5", "-2.25", "10"}));
        w.stopCommand();
    }

    // 教学 → 插补方法 lists every method once, by its one caption, in the order the machine names
    // them; one is checked at a time, 半加载 and 寄存器位数 N only for DDA. The width's dialog
    // offers 自动 and 1 to 32 bits; OK keeps the width and the menu names it, Cancel keeps
    // nothing. The choice is kept at once and the machine takes it at the next Run.
    void methodMenuSetsTheRun() {
        MainWindow& w = *t_.window;
        MethodMenu& menu = w.methodMenu();
        const QList<QAction*> items = menu.machine->actionGroup()->actions();
        QCOMPARE(items.size(), qsizetype(motion::methods().size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const motion::MethodEntry& method = motion::methods()[std::size_t(i)];
            QCOMPARE(items[i]->text(), QString::fromUtf8(method.caption));
            QCOMPARE(items[i], menu.method(method.interpolation));
        }
        QVERIFY(menu.machine->isChecked() && !menu.halfLoad->isEnabled() &&
                !menu.registerBits->isEnabled());
        QCOMPARE(menu.registerBits->text(), QStringLiteral("寄存器位数 N：自动..."));
        menu.integration->trigger();
        menu.halfLoad->trigger();
        RegisterBitsDialog& d = menu.registerBitsDialog();
        menu.registerBits->trigger();
        QVERIFY(d.isVisible() && d.box().text() == QStringLiteral("自动") &&
                d.box().maximum() == 32);
        d.box().setValue(8);
        QCOMPARE(d.box().text(), QStringLiteral("8 位"));
        d.accept();
        QCOMPARE(menu.registerBits->text(), QStringLiteral("寄存器位数 N：8 位..."));
        menu.registerBits->trigger();
        QCOMPARE(d.bits(), 8);
        d.box().setValue(3);
        d.reject();
        const motion::MethodChoice dda{motion::Interpolation::Integration, true, 8};
        QVERIFY(!menu.machine->isChecked() && t_.settings.method() == dda);
        QVERIFY(w.machine().method() == motion::MethodChoice{});
        w.runCommand();
        QVERIFY(w.machine().method() == dda);
        w.stopCommand();
        menu.comparison->trigger();
        QVERIFY(!menu.integration->isChecked() && !menu.halfLoad->isEnabled() &&
                !menu.registerBits->isEnabled());
        QVERIFY(t_.openWindow());
        QVERIFY(t_.window->methodMenu().comparison->isChecked());
        QCOMPARE(t_.window->methodMenu().choice().bits, 8);
    }

    // Menus, options and Run switch views; clearing the screen empties the editor; empty cannot
    // run.
    void viewSwitchesClearScreenAndEmptyEditor() {
        MainWindow& w = *t_.window;
        w.menus().axonometricView->trigger();
        QVERIFY(w.linez().visible() && !w.linep().visible() && w.option1(0).isChecked());
        w.option1(1).click();
        QVERIFY(w.linep().visible() && !w.linez().visible());
        w.menus().panMagnified->trigger();
        QVERIFY(w.liner().visible() && !w.linep().visible() && w.option1(1).isChecked());
        w.runCommand();
        QVERIFY(w.linep().visible());
        w.stopCommand();
        w.controlPanel().clearButton().click();
        QCOMPARE(w.editorFrame().filetxt().toPlainText(), QString());
        QCOMPARE(w.editorFrame().title(), QStringLiteral("新文件"));
        QVERIFY(w.liner().visible() && !w.linep().visible());
        w.runCommand();
        QTRY_COMPARE(t_.prompts->log, QStringList{QStringLiteral("加载失败: 请加载NC程序")});
    }

    // Closing asks about unsaved work and keeps the placement; Exit asks, keeps no placement.
    void closingAsksAndKeepsThePlacement() {
        t_.window->editorFrame().filetxt().appendPlainText(QStringLiteral("G01X5"));
        t_.window->move(40, 30);
        t_.prompts->choices = {SaveChoice::Cancel, SaveChoice::Discard};
        QVERIFY(!t_.window->close() && t_.window->isVisible());
        QVERIFY(t_.window->close());
        QCOMPARE(t_.prompts->log, (QStringList{QStringLiteral("ask"), QStringLiteral("ask")}));
        QVERIFY(t_.settings.placement().has_value());
        const float left = t_.settings.placement()->left;

        init();
        QCOMPARE(t_.window->pos(), QPoint(40, 30));
        t_.window->move(60, 50);
        t_.window->editorFrame().filetxt().appendPlainText(QStringLiteral("G01X5"));
        t_.prompts->choices = {SaveChoice::Cancel, SaveChoice::Discard};
        t_.window->menus().exitProgram->trigger();
        QVERIFY(t_.window->isVisible());
        t_.window->menus().exitProgram->trigger();
        QVERIFY(!t_.window->isVisible());
        QCOMPARE(t_.settings.placement()->left, left);

        init();
        t_.window->showMinimized();
        t_.window->move(70, 70);
        QVERIFY(t_.window->close());
        QCOMPARE(t_.settings.placement()->left, left);
    }

    // The panels open and where they are come back on the next start; a broken layout does not.
    void panelLayoutComesBack() {
        const auto table = [this] { return t_.window->findChild<QDockWidget*>("stepTableDock"); };
        teachingItem(*t_.window, QStringLiteral("插补过程表"))->trigger();
        table()->setFloating(true);
        table()->setGeometry(100, 120, 1000, 300);  // every column shows
        QVERIFY(t_.window->close());
        init();
        QVERIFY(table()->isVisible() && table()->isFloating());
        QCOMPARE(table()->geometry(), QRect(100, 120, 1000, 300));
        QVERIFY(!t_.window->findChild<QDockWidget*>("timingDock")->isVisible());
        t_.settings.saveWindowLayout("broken");
        init();
        QVERIFY(!table()->isVisible() && !table()->isFloating());
        QCOMPARE(t_.window->dockWidgetArea(table()), Qt::BottomDockWidgetArea);
    }

    void helpAndDesignerOpenOnce() {
        const auto windows = [] { return QApplication::topLevelWidgets().size(); };
        const auto before = windows();
        for (int i = 0; i < 2; ++i) {
            t_.window->menus().showHelp->trigger();
            t_.window->menus().showDesigner->trigger();
        }
        QCOMPARE(windows(), before + 2);
        QVERIFY(t_.window->isEnabled());
    }

    void droppedFileOpens() {
        const QString path = t_.home.filePath(QStringLiteral("dropped.nc"));
        QVERIFY(writeFile(path, "%\r\nG01X5\r\n%\r\n"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* viewport = t_.window->editorFrame().filetxt().viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(t_.window->editorFrame().filetxt().toPlainText(), QStringLiteral("%\nG01X5\n%\n"));
        QCOMPARE(t_.window->editorFrame().title(), QFileInfo(path).absoluteFilePath());
    }

    // The view shown saves as PNG, the extension added, or as SVG; a failed save says so.
    void visibleViewSavesAsPicture() {
        QTemporaryDir folder;
        QVERIFY(runsToEnd(*t_.window));
        t_.prompts->names = {folder.filePath(QStringLiteral("plan")),
                             folder.filePath(QStringLiteral("view.svg")),
                             QStringLiteral("/no/such/folder/view.png")};
        t_.window->menus().saveViewPicture->trigger();
        QImage plan(folder.filePath(QStringLiteral("plan.png")));
        QCOMPARE(plan.size(), QSize(t_.window->linep().size(), t_.window->linep().size()));
        QCOMPARE(plan.pixel(plan.width() - 2, 2), qRgb(64, 64, 64));
        t_.window->menus().axonometricView->trigger();
        t_.window->menus().saveViewPicture->trigger();
        QVERIFY(fileBytes(folder.filePath(QStringLiteral("view.svg"))).contains("#ffff00"));
        t_.window->menus().saveViewPicture->trigger();
        QVERIFY(t_.prompts->log.last().startsWith(QStringLiteral("保存失败")));
    }

    // The recent files keep the last ten, the newest first, and open from their menu; a file
    // name shows as it is there and in the editor's caption: its '&' marks no access key.
    void recentFilesKeepTheLastTen() {
        const auto path = [this](int i) {
            return QFileInfo(t_.home.filePath(QStringLiteral("R&D%1.nc").arg(i)))
                .absoluteFilePath();
        };
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 5}) {
            QVERIFY(writeFile(path(i), "%\nG01X5\n%\n"));
            t_.window->files().openPath(path(i));
        }
        const QStringList recent = t_.settings.recentFiles();
        QCOMPARE(recent.mid(0, 2), (QStringList{path(5), path(11)}));
        QVERIFY(recent.size() == 10 && !recent.contains(path(1)));
        emit t_.window->menus().recentMenu->aboutToShow();
        QCOMPARE(t_.window->menus().recentMenu->actions().at(0)->iconText(), "1 " + path(5));
        t_.window->files().newProgram();
        t_.window->menus().recentMenu->actions().at(3)->trigger();
        QCOMPARE(t_.window->editorFrame().title(), QString(recent.at(3)).replace('&', "&&"));
        QCOMPARE(t_.window->editorFrame().filetxt().toPlainText(), QStringLiteral("%\nG01X5\n%\n"));
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::MainWindowTest)
#include "MainWindowTest.moc"
