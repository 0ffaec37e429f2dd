#pragma once

#include <QString>
#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace tarvo::app {

// The menu bar and the toolbar of the main window, with the machine's names
// for their items. Building them connects nothing.
struct MainMenus {
    QMenu* mnuedit;
    QMenu* mnuRecent;  // the programs opened last
    QMenu* mnuTeach;   // the teaching panels and overlays
    QAction *mnufilenew, *mnufileopen, *mnuFileSave, *mnuFileSaveAs, *mnuFileSaveView, *mnuFileExit;
    QAction *mnueditclear, *mnuEditCut, *mnuEditCopy, *mnuEditPaste;
    QAction *mnuViewToolbar, *mnupm, *mnuzhc, *mnupan, *mnurot;
    QAction *mnurunsetting, *mnurunpause, *mnurunrun, *mnurunstop;
    QAction *mnustepTick, *mnustepStep, *mnustepLine, *mnustepBack;  // while paused
    QAction *mnuHelpAbout, *mnuhelpexplain;

    QToolBar* tbToolBar;
    // The toolbar's thirteen positions, numbered from 1 as the toolbar numbers
    // them, separators included; each button carries its key as data.
    std::array<QAction*, 13> buttons;
    QAction* button(int position) const { return buttons[static_cast<std::size_t>(position - 1)]; }
};

MainMenus buildMainMenus(QMainWindow& window);

// A toolbar button's key ("New" ... "Stop"), empty for separators.
QString toolbarKey(const QAction* action);

}  // namespace tarvo::app
