#include "app/window/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include "app/window/ToolbarIcons.h"

namespace tarvo::app {

namespace {

QKeySequence pasteKey() {
    return QKeySequence(Qt::CTRL | Qt::Key_V);
}

QAction* item(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

// The button shows the icon, with the short name as its text and tooltip;
// the menu item keeps its caption and shows no icon.
void addButton(QToolBar* bar, QAction* action, ToolbarIcon icon, const QString& name) {
    action->setIcon(toolbarIcon(icon));
    action->setIconVisibleInMenu(false);
    action->setIconText(name);
    action->setToolTip(name);
    bar->addAction(action);
}

void buildToolbar(MainMenus& m, QMainWindow& window) {
    m.tbToolBar = window.addToolBar(QStringLiteral("工具条"));
    m.tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m.tbToolBar->setMovable(false);
    m.tbToolBar->setIconSize(QSize(16, 16));
    QToolBar* t = m.tbToolBar;
    addButton(t, m.mnufilenew, ToolbarIcon::New, QStringLiteral("新建"));
    addButton(t, m.mnufileopen, ToolbarIcon::Open, QStringLiteral("打开"));
    addButton(t, m.mnuFileSave, ToolbarIcon::Save, QStringLiteral("保存"));
    m.tbEditSeparator = t->addSeparator();
    m.tbEditSeparator2 = t->addSeparator();
    addButton(t, m.mnuEditCut, ToolbarIcon::Cut, QStringLiteral("剪切"));
    addButton(t, m.mnuEditCopy, ToolbarIcon::Copy, QStringLiteral("复制"));
    addButton(t, m.mnuEditPaste, ToolbarIcon::Paste, QStringLiteral("粘贴"));
    t->addSeparator();
    addButton(t, m.mnurunrun, ToolbarIcon::Run, QStringLiteral("运行"));
    addButton(t, m.mnurunpause, ToolbarIcon::Pause, QStringLiteral("暂停"));
    addButton(t, m.mnurunstop, ToolbarIcon::Stop, QStringLiteral("停止"));
    t->addSeparator();
}

}  // namespace

void MainMenus::showEditCommands(bool shown) const {
    for (QAction* action :
         {mnuedit->menuAction(), tbEditSeparator, tbEditSeparator2, mnuEditCut, mnuEditCopy}) {
        action->setVisible(shown);
    }
    mnuEditPaste->setShortcut(shown ? pasteKey() : QKeySequence());
}

void MainMenus::enableRunCommands(bool advancing, bool canStepBack) const {
    for (QAction* step : {mnustepTick, mnustepStep, mnustepLine}) step->setEnabled(!advancing);
    mnustepBack->setEnabled(canStepBack);
    mnurunpause->setEnabled(advancing);
}

MainMenus buildMainMenus(QMainWindow& window) {
    MainMenus m{};
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    m.mnufilenew = item(file, QStringLiteral("新建(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.mnufileopen = item(file, QStringLiteral("打开(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    m.mnuFileSave = item(file, QStringLiteral("保存(&S)"));
    m.mnuFileSaveAs = item(file, QStringLiteral("另存为(&E)..."));
    m.mnuFileSaveView = item(file, QStringLiteral("保存视图图片(&I)..."));
    m.mnuRecent = file->addMenu(QStringLiteral("最近打开(&R)"));
    file->addSeparator();
    m.mnuFileExit = item(file, QStringLiteral("退出(&E)"));

    m.mnuedit = bar->addMenu(QStringLiteral("编辑(&E)"));
    m.mnueditclear = item(m.mnuedit, QStringLiteral("清除(&C)"));
    m.mnuEditCut = item(m.mnuedit, QStringLiteral("剪切(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m.mnuEditCopy = item(m.mnuedit, QStringLiteral("复制(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m.mnuEditPaste = item(m.mnuedit, QStringLiteral("粘贴(&P)"), pasteKey());

    QMenu* view = bar->addMenu(QStringLiteral("视图(&V)"));
    m.mnuViewToolbar = item(view, QStringLiteral("工具条(&T)"));
    m.mnuViewToolbar->setCheckable(true);
    m.mnuViewToolbar->setChecked(true);
    view->addSeparator();
    m.mnupm = item(view, QStringLiteral("平面图"));
    m.mnuzhc = item(view, QStringLiteral("轴测"));
    view->addSeparator();
    m.mnupan = item(view, QStringLiteral("放大图平移"));
    m.mnurot = item(view, QStringLiteral("放大图旋转"));

    QMenu* run = bar->addMenu(QStringLiteral("控制(&R)"));
    m.mnurunsetting = item(run, QStringLiteral("设置(&S)..."));
    m.mnurunpause = item(run, QStringLiteral("暂停(&P)"), QKeySequence(Qt::Key_F9));
    m.mnurunrun = item(run, QStringLiteral("运行(&R)"), QKeySequence(Qt::Key_F5));
    m.mnurunstop = item(run, QStringLiteral("停止(&O)"));
    run->addSeparator();
    m.mnustepTick = item(run, QStringLiteral("单步：一个节拍(&T)"), QKeySequence(Qt::Key_F6));
    m.mnustepStep = item(run, QStringLiteral("单步：一步插补(&I)"), QKeySequence(Qt::Key_F7));
    m.mnustepLine = item(run, QStringLiteral("单步：到本行结束(&L)"), QKeySequence(Qt::Key_F8));
    m.mnustepBack =
        item(run, QStringLiteral("单步：后退一步(&B)"), QKeySequence(Qt::SHIFT | Qt::Key_F7));

    m.mnuTeach = bar->addMenu(QStringLiteral("教学(&T)"));

    QMenu* help = bar->addMenu(QStringLiteral("关于(&A)"));
    m.mnuHelpAbout = item(help, QStringLiteral("设计者"));
    m.mnuhelpexplain = item(help, QStringLiteral("功能简介"));

    buildToolbar(m, window);
    return m;
}

}  // namespace tarvo::app
