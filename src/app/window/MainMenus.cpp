#include "app/window/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <utility>

#include "app/window/ToolbarIcons.h"
#include "interp/RunCommands.h"

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
    m.toolBar = window.addToolBar(QStringLiteral("工具条"));
    // The name saved window layouts know the toolbar by.
    m.toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m.toolBar->setMovable(false);
    m.toolBar->setIconSize(QSize(16, 16));
    QToolBar* t = m.toolBar;
    addButton(t, m.newProgram, ToolbarIcon::New, QStringLiteral("新建"));
    addButton(t, m.openProgram, ToolbarIcon::Open, QStringLiteral("打开"));
    addButton(t, m.saveProgram, ToolbarIcon::Save, QStringLiteral("保存"));
    m.editSeparator = t->addSeparator();
    m.editSeparator2 = t->addSeparator();
    addButton(t, m.cutText, ToolbarIcon::Cut, QStringLiteral("剪切"));
    addButton(t, m.copyText, ToolbarIcon::Copy, QStringLiteral("复制"));
    addButton(t, m.pasteText, ToolbarIcon::Paste, QStringLiteral("粘贴"));
    t->addSeparator();
    addButton(t, m.startRun, ToolbarIcon::Run, QStringLiteral("运行"));
    addButton(t, m.pauseRun, ToolbarIcon::Pause, QStringLiteral("暂停"));
    addButton(t, m.stopRun, ToolbarIcon::Stop, QStringLiteral("停止"));
    t->addSeparator();
}

}  // namespace

void MainMenus::showEditCommands(bool shown) const {
    for (QAction* action :
         {editMenu->menuAction(), editSeparator, editSeparator2, cutText, copyText}) {
        action->setVisible(shown);
    }
    pasteText->setShortcut(shown ? pasteKey() : QKeySequence());
}

void MainMenus::enableRunCommands(const interp::Machine& machine) const {
    using interp::RunCommand;
    const std::pair<QAction*, RunCommand> items[] = {
        {startRun, RunCommand::Run},
        {pauseRun, RunCommand::Pause},
        {stopRun, RunCommand::Stop},
        {stepTick, RunCommand::StepTick},
        {stepIteration, RunCommand::StepIteration},
        {stepToLineEnd, RunCommand::StepLine},
        {stepBack, RunCommand::StepBack},
    };
    for (const auto& [action, command] : items) {
        action->setEnabled(interp::runCommandEnabled(machine, command));
    }
}

MainMenus buildMainMenus(QMainWindow& window) {
    MainMenus m{};
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    m.newProgram = item(file, QStringLiteral("新建(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.openProgram = item(file, QStringLiteral("打开(&O)..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    m.saveProgram = item(file, QStringLiteral("保存(&S)"));
    m.saveProgramAs = item(file, QStringLiteral("另存为(&E)..."));
    m.saveViewPicture = item(file, QStringLiteral("保存视图图片(&I)..."));
    m.recentMenu = file->addMenu(QStringLiteral("最近打开(&R)"));
    file->addSeparator();
    m.exitProgram = item(file, QStringLiteral("退出(&E)"));

    m.editMenu = bar->addMenu(QStringLiteral("编辑(&E)"));
    m.clearText = item(m.editMenu, QStringLiteral("清除(&C)"));
    m.cutText = item(m.editMenu, QStringLiteral("剪切(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m.copyText = item(m.editMenu, QStringLiteral("复制(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m.pasteText = item(m.editMenu, QStringLiteral("粘贴(&P)"), pasteKey());

    QMenu* view = bar->addMenu(QStringLiteral("视图(&V)"));
    m.showToolbar = item(view, QStringLiteral("工具条(&T)"));
    m.showToolbar->setCheckable(true);
    m.showToolbar->setChecked(true);
    view->addSeparator();
    m.planView = item(view, QStringLiteral("平面图"));
    m.axonometricView = item(view, QStringLiteral("轴测"));
    view->addSeparator();
    m.panMagnified = item(view, QStringLiteral("放大图平移"));
    m.rotateMagnified = item(view, QStringLiteral("放大图旋转"));

    QMenu* run = bar->addMenu(QStringLiteral("控制(&R)"));
    m.runSettings = item(run, QStringLiteral("设置(&S)..."));
    m.pauseRun = item(run, QStringLiteral("暂停(&P)"), QKeySequence(Qt::Key_F9));
    m.startRun = item(run, QStringLiteral("运行(&R)"), QKeySequence(Qt::Key_F5));
    m.stopRun = item(run, QStringLiteral("停止(&O)"));
    run->addSeparator();
    m.stepTick = item(run, QStringLiteral("单步：一个节拍(&T)"), QKeySequence(Qt::Key_F6));
    m.stepIteration = item(run, QStringLiteral("单步：一步插补(&I)"), QKeySequence(Qt::Key_F7));
    m.stepToLineEnd = item(run, QStringLiteral("单步：到本行结束(&L)"), QKeySequence(Qt::Key_F8));
    m.stepBack =
        item(run, QStringLiteral("单步：后退一步(&B)"), QKeySequence(Qt::SHIFT | Qt::Key_F7));

    m.teachMenu = bar->addMenu(QStringLiteral("教学(&T)"));

    QMenu* help = bar->addMenu(QStringLiteral("关于(&A)"));
    m.showDesigner = item(help, QStringLiteral("设计者"));
    m.showHelp = item(help, QStringLiteral("功能简介"));

    buildToolbar(m, window);
    return m;
}

}  // namespace tarvo::app
