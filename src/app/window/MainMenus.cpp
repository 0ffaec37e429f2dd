#include "app/window/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <utility>

#include "app/base/Said.h"
#include "app/window/ToolbarIcons.h"
#include "interp/RunCommands.h"

namespace tarvo::app {

namespace {

QKeySequence pasteKey() {
    return QKeySequence(Qt::CTRL | Qt::Key_V);
}

// The window hears every switch of language; its menus' captions follow it.
QAction* item(QWidget& window, QMenu* menu, const char* caption,
              const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    sayOn(window, action, &QAction::setText, caption);
    action->setShortcut(shortcut);
    return action;
}

QMenu* submenu(QWidget& window, QMenu* menu, const char* caption) {
    QMenu* inner = menu->addMenu(QString());
    sayOn(window, inner, &QMenu::setTitle, caption);
    return inner;
}

QMenu* barMenu(QMainWindow& window, const char* caption) {
    QMenu* menu = window.menuBar()->addMenu(QString());
    sayOn(window, menu, &QMenu::setTitle, caption);
    return menu;
}

// The button shows the icon, with the short name as its text and tooltip;
// the menu item keeps its caption and shows no icon.
void addButton(QToolBar* bar, QAction* action, ToolbarIcon icon, const char* name) {
    action->setIcon(toolbarIcon(icon));
    action->setIconVisibleInMenu(false);
    sayAgain(*bar, [action, name] {
        action->setIconText(Said::tr(name));
        action->setToolTip(Said::tr(name));
    });
    bar->addAction(action);
}

// Each language is named in its own words, so a user who cannot read the
// other still finds theirs.
void buildLanguageMenu(MainMenus& m, QMainWindow& window, QMenu* view) {
    QMenu* language = submenu(window, view, QT_TRANSLATE_NOOP("Said", "语言(&L)"));
    auto* group = new QActionGroup(language);
    m.speakChinese = language->addAction(QStringLiteral("中文"));
    m.speakEnglish = language->addAction(QStringLiteral("English"));
    for (QAction* action : {m.speakChinese, m.speakEnglish}) {
        action->setCheckable(true);
        group->addAction(action);
    }
}

void buildToolbar(MainMenus& m, QMainWindow& window) {
    m.toolBar = window.addToolBar(QString());
    sayOn(window, m.toolBar, &QToolBar::setWindowTitle, QT_TRANSLATE_NOOP("Said", "工具条"));
    // The name saved window layouts know the toolbar by.
    m.toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m.toolBar->setMovable(false);
    m.toolBar->setIconSize(QSize(16, 16));
    QToolBar* t = m.toolBar;
    addButton(t, m.newProgram, ToolbarIcon::New, QT_TRANSLATE_NOOP("Said", "新建"));
    addButton(t, m.openProgram, ToolbarIcon::Open, QT_TRANSLATE_NOOP("Said", "打开"));
    addButton(t, m.saveProgram, ToolbarIcon::Save, QT_TRANSLATE_NOOP("Said", "保存"));
    m.editSeparator = t->addSeparator();
    m.editSeparator2 = t->addSeparator();
    addButton(t, m.cutText, ToolbarIcon::Cut, QT_TRANSLATE_NOOP("Said", "剪切"));
    addButton(t, m.copyText, ToolbarIcon::Copy, QT_TRANSLATE_NOOP("Said", "复制"));
    addButton(t, m.pasteText, ToolbarIcon::Paste, QT_TRANSLATE_NOOP("Said", "粘贴"));
    t->addSeparator();
    addButton(t, m.startRun, ToolbarIcon::Run, QT_TRANSLATE_NOOP("Said", "运行"));
    addButton(t, m.pauseRun, ToolbarIcon::Pause, QT_TRANSLATE_NOOP("Said", "暂停"));
    addButton(t, m.stopRun, ToolbarIcon::Stop, QT_TRANSLATE_NOOP("Said", "停止"));
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

    QMenu* file = barMenu(window, QT_TRANSLATE_NOOP("Said", "文件(&F)"));
    m.newProgram = item(window, file, QT_TRANSLATE_NOOP("Said", "新建(&N)"),
                        QKeySequence(Qt::CTRL | Qt::Key_N));
    m.openProgram = item(window, file, QT_TRANSLATE_NOOP("Said", "打开(&O)..."),
                         QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    m.saveProgram = item(window, file, QT_TRANSLATE_NOOP("Said", "保存(&S)"));
    m.saveProgramAs = item(window, file, QT_TRANSLATE_NOOP("Said", "另存为(&E)..."));
    m.saveViewPicture = item(window, file, QT_TRANSLATE_NOOP("Said", "保存视图图片(&I)..."));
    m.recentMenu = submenu(window, file, QT_TRANSLATE_NOOP("Said", "最近打开(&R)"));
    file->addSeparator();
    m.exitProgram = item(window, file, QT_TRANSLATE_NOOP("Said", "退出(&E)"));

    m.editMenu = barMenu(window, QT_TRANSLATE_NOOP("Said", "编辑(&E)"));
    m.clearText = item(window, m.editMenu, QT_TRANSLATE_NOOP("Said", "清除(&C)"));
    m.cutText = item(window, m.editMenu, QT_TRANSLATE_NOOP("Said", "剪切(&T)"),
                     QKeySequence(Qt::CTRL | Qt::Key_X));
    m.copyText = item(window, m.editMenu, QT_TRANSLATE_NOOP("Said", "复制(&C)"),
                      QKeySequence(Qt::CTRL | Qt::Key_C));
    m.pasteText = item(window, m.editMenu, QT_TRANSLATE_NOOP("Said", "粘贴(&P)"), pasteKey());

    QMenu* view = barMenu(window, QT_TRANSLATE_NOOP("Said", "视图(&V)"));
    m.showToolbar = item(window, view, QT_TRANSLATE_NOOP("Said", "工具条(&T)"));
    m.showToolbar->setCheckable(true);
    m.showToolbar->setChecked(true);
    view->addSeparator();
    m.planView = item(window, view, QT_TRANSLATE_NOOP("Said", "平面图"));
    m.axonometricView = item(window, view, QT_TRANSLATE_NOOP("Said", "轴测"));
    view->addSeparator();
    m.panMagnified = item(window, view, QT_TRANSLATE_NOOP("Said", "放大图平移"));
    m.rotateMagnified = item(window, view, QT_TRANSLATE_NOOP("Said", "放大图旋转"));
    view->addSeparator();
    buildLanguageMenu(m, window, view);

    QMenu* run = barMenu(window, QT_TRANSLATE_NOOP("Said", "控制(&R)"));
    m.runSettings = item(window, run, QT_TRANSLATE_NOOP("Said", "设置(&S)..."));
    m.pauseRun = item(window, run, QT_TRANSLATE_NOOP("Said", "暂停(&P)"), QKeySequence(Qt::Key_F9));
    m.startRun = item(window, run, QT_TRANSLATE_NOOP("Said", "运行(&R)"), QKeySequence(Qt::Key_F5));
    m.stopRun = item(window, run, QT_TRANSLATE_NOOP("Said", "停止(&O)"));
    run->addSeparator();
    m.stepTick = item(window, run, QT_TRANSLATE_NOOP("Said", "单步：一个节拍(&T)"),
                      QKeySequence(Qt::Key_F6));
    m.stepIteration = item(window, run, QT_TRANSLATE_NOOP("Said", "单步：一步插补(&I)"),
                           QKeySequence(Qt::Key_F7));
    m.stepToLineEnd = item(window, run, QT_TRANSLATE_NOOP("Said", "单步：到本行结束(&L)"),
                           QKeySequence(Qt::Key_F8));
    m.stepBack = item(window, run, QT_TRANSLATE_NOOP("Said", "单步：后退一步(&B)"),
                      QKeySequence(Qt::SHIFT | Qt::Key_F7));

    m.teachMenu = barMenu(window, QT_TRANSLATE_NOOP("Said", "教学(&T)"));

    QMenu* help = barMenu(window, QT_TRANSLATE_NOOP("Said", "关于(&A)"));
    m.showDesigner = item(window, help, QT_TRANSLATE_NOOP("Said", "设计者"));
    m.showHelp = item(window, help, QT_TRANSLATE_NOOP("Said", "功能简介"));

    buildToolbar(m, window);
    return m;
}

}  // namespace tarvo::app
