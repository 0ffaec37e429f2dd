#pragma once

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tarvo::interp {
class Machine;
}

namespace tarvo::app {

// The menu bar and the toolbar of the main window, with the machine's names
// for their items. A toolbar button is the very action of its menu item, so
// the two run one command. Building them connects nothing.
struct MainMenus {
    QMenu* editMenu;
    QMenu* recentMenu;  // the programs opened last
    QMenu* teachMenu;   // the teaching panels and overlays
    QAction *newProgram, *openProgram, *saveProgram, *saveProgramAs, *saveViewPicture, *exitProgram;
    QAction *clearText, *cutText, *copyText, *pasteText;
    QAction *showToolbar, *planView, *axonometricView, *panMagnified, *rotateMagnified;
    QAction *runSettings, *pauseRun, *startRun, *stopRun;
    QAction *stepTick, *stepIteration, *stepToLineEnd, *stepBack;  // while not running
    QAction *showDesigner, *showHelp;
    QAction *speakChinese, *speakEnglish;  // 视图 → 语言, one of them checked

    // New, Open, Save; the two separators before the edit buttons; Cut, Copy,
    // Paste; Run, Pause, Stop.
    QToolBar* toolBar;
    QAction *editSeparator, *editSeparator2;

    // The Edit menu, and on the toolbar Cut, Copy and the separators before
    // them, show only while the editor has the focus. Paste stays on the
    // toolbar, but its key, like the hidden menu's, works only while the
    // editor has the focus.
    void showEditCommands(bool shown) const;

    // Only the run commands that can act now are enabled
    // (interp::runCommandEnabled). The control panel's buttons follow their
    // actions.
    void enableRunCommands(const interp::Machine& machine) const;
};

MainMenus buildMainMenus(QMainWindow& window);

}  // namespace tarvo::app
