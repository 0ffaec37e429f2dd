#include "app/window/MainWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <set>

#include "app/base/MenuText.h"
#include "app/base/Prompts.h"
#include "app/base/Said.h"
#include "app/base/Twips.h"
#include "app/editor/EditorFrame.h"
#include "app/files/FileDrop.h"
#include "app/files/ProgramFiles.h"
#include "app/link/RunClock.h"
#include "app/link/WindowPanel.h"
#include "app/panels/ControlPanel.h"
#include "app/panels/CoordinatePanel.h"
#include "app/panels/OutputPanel.h"
#include "app/panels/PaceBox.h"
#include "app/panels/ViewStack.h"
#include "app/teaching/ClassSummaryWindow.h"
#include "app/teaching/ExercisePanel.h"
#include "app/teaching/IdealPathSwitch.h"
#include "app/teaching/MethodCompareDialog.h"
#include "app/teaching/SelectedStep.h"
#include "app/teaching/StepTablePanel.h"
#include "app/teaching/TeachingDocks.h"
#include "app/teaching/TimingDiagram.h"
#include "app/teaching/WorksheetDialog.h"
#include "app/window/DesignerWindow.h"
#include "app/window/HelpWindow.h"
#include "app/window/MethodMenu.h"
#include "app/window/ParameterDialog.h"
#include "app/window/SampleProgram.h"
#include "app/window/ScrollingColumns.h"
#include "app/window/Settings.h"
#include "app/window/Translations.h"
#include "app/window/WindowPlacement.h"
#include "interp/BatchedPanel.h"
#include "interp/Machine.h"
#include "interp/ProgramMarks.h"
#include "teach/pulses/PulseHistory.h"
#include "teach/table/StepTable.h"
#include "words/Catalogue.h"

namespace tarvo::app {

namespace {
constexpr int viewPixels = 481;  // 7215 twips at 96 dpi; the views resize with the window

// A printed page starts from the code the exercise window holds, so the
// sheets a teacher hands out match the exercises the class is set.
QAction* teachingItem(QWidget& window, QMenu& menu, const char* caption) {
    QAction* item = menu.addAction(QString());
    sayOn(window, item, &QAction::setText, caption);
    return item;
}

void addWorksheetItem(QMenu& menu, const char* caption, WorksheetDialog::Page page,
                      Prompts& prompts, const ExercisePanel& exercises, QWidget* window) {
    auto* dialog = new WorksheetDialog(page, prompts, &QDesktopServices::openUrl, window);
    QObject::connect(teachingItem(*window, menu, caption), &QAction::triggered, dialog,
                     [dialog, &exercises] { dialog->present(exercises.code()); });
}
}  // namespace

MainWindow::MainWindow(Settings& settings, Prompts* prompts, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      ownPrompts_(prompts ? nullptr : std::make_unique<DialogPrompts>(this)),
      prompts_(prompts ? *prompts : *ownPrompts_),
      linez_(views::drawingBackground, viewPixels),
      linep_(views::drawingBackground, viewPixels),
      liner_(views::magnifiedBackground, viewPixels),
      menus_(buildMainMenus(*this)) {
    sayOn(*this, this, &QWidget::setWindowTitle, QT_TRANSLATE_NOOP("Said", " Tarvo模拟"));
    buildLayout();
    panel_ = std::make_unique<WindowPanel>(WindowPanel::Widgets{
        *output_, *coordinates_, *editor_, prompts_, *this,
        [this](views::View view) { selectOption(view == views::View::Axonometric ? 0 : 1); },
        [this](const QString& text) { statusBar()->showMessage(text); }});
    batched_ = std::make_unique<interp::BatchedPanel>(*panel_);
    machine_ =
        std::make_unique<interp::Machine>(*batched_, views::ViewCanvases{linez_, linep_, liner_});
    clock_ = new RunClock(
        *machine_, [this](const auto& ticks) { batched_->batch(ticks); }, this);
    buildTeachingDocks();
    files_ = new ProgramFiles(editor_->filetxt(), prompts_, this);
    connect(files_, &ProgramFiles::captionChanged, editor_,
            [this](const QString& caption) { editor_->setTitle(literalMenuText(caption)); });
    sayAgain(*this, [this] { editor_->setTitle(literalMenuText(files_->caption())); });
    g54form_ = new ParameterDialog(settings_, this);
    connect(g54form_, &ParameterDialog::originAccepted, this,
            [this](const QString& x, const QString& y, const QString& z) {
                g54x_ = parameterNumber(x);
                g54y_ = parameterNumber(y);
                g54z_ = parameterNumber(z);
            });
    const interp::Parameters stored = settings_.parameters();
    machine_->takeParameters(stored);
    g54x_ = stored.g54x;
    g54y_ = stored.g54y;
    g54z_ = stored.g54z;
    editor_->filetxt().setPlainText(
        QString::fromLatin1(sampleProgram).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    editor_->filetxt().document()->setModified(false);
    connectCommands();
    views_->linep().showPulseGrid(views::drawingBackground, [this] { return machine_->dlstep(); });
    idealPath_ = std::make_unique<IdealPathSwitch>(*machine_, linep_, views_->linep(),
                                                   editor_->filetxt(), *menus_.teachMenu);
    buildExercises();
    buildLanguageChoice();
    listRecentFiles();
    const auto open = [this](const QString& path) { files_->openPath(path); };
    new FileDrop(*this, open);
    new FileDrop(*editor_->filetxt().viewport(), open);
    placement_.restore(*this, settings_);
    WindowPlacement::restoreLayout(*this, settings_);
    editor_->filetxt().setFocus();
}

// The views draw from canvases that are members of this window: they go
// first, while the canvases are still there.
MainWindow::~MainWindow() {
    delete takeCentralWidget();
    // The interpolation table reads the step table, which goes before the window's widgets.
    delete stepTable_;
    delete helpWindow_;
    delete info_;
}

QRadioButton& MainWindow::option1(int item) {
    return *static_cast<QRadioButton*>(option1_->button(item));
}

QWidget* MainWindow::buildGraphicsFrame() {
    auto* frame = new QGroupBox;
    sayOn(*this, frame, &QGroupBox::setTitle, QT_TRANSLATE_NOOP("Said", "图形显示"));
    views_ = new ViewStack(
        linez_, linep_, liner_,
        [this](views::Buttons buttons, float x, float y) { machine_->pointerMoved(buttons, x, y); },
        frame);
    views_->liner().setContextMenuPolicy(Qt::ActionsContextMenu);
    views_->liner().addActions({menus_.panMagnified, menus_.rotateMagnified});
    option1_ = new QButtonGroup(frame);
    auto* plan = new QRadioButton(frame);
    auto* axonometric = new QRadioButton(frame);
    sayOn(*this, plan, &QRadioButton::setText, QT_TRANSLATE_NOOP("Said", "平面图"));
    sayOn(*this, axonometric, &QRadioButton::setText, QT_TRANSLATE_NOOP("Said", "轴测图"));
    option1_->addButton(axonometric, 0);
    option1_->addButton(plan, 1);
    plan->setChecked(true);
    auto* options = new QHBoxLayout;
    options->addStretch();
    options->addWidget(plan);
    options->addStretch();
    options->addWidget(axonometric);
    options->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(views_, 1);
    layout->addLayout(options);
    return frame;
}

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette palette = central->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    central->setPalette(palette);

    editor_ = new EditorFrame(central);
    coordinates_ = new CoordinatePanel(central);
    control_ = new ControlPanel(central);
    output_ = new OutputPanel(central);
    auto* middle = new QVBoxLayout;
    middle->addWidget(editor_, 1);
    middle->addWidget(coordinates_);
    auto* right = new QVBoxLayout;
    right->addWidget(control_);
    right->addWidget(output_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(buildGraphicsFrame(), 1);
    layout->addWidget(new ScrollingColumns(columns, central));
    editor_->setMinimumWidth(twipsToPixels(this, 3735));
    setCentralWidget(central);
}

// The pulse timing diagram beside the control panel, the whole height of the
// window; the interpolation table below the views, the editor and the
// control panel, with every column side by side. Both can show at once, for
// the step they share, and on a 1366 × 768 screen the table still shows ten
// rows: the timing diagram is tall rather than wide, and the window's own
// panels give the table their height down to a small plan view.
void MainWindow::buildTeachingDocks() {
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    pulses_ = std::make_unique<teach::PulseHistory>(*machine_);
    steps_ = std::make_unique<teach::StepTable>(*machine_);
    auto* docks = new TeachingDocks(*this, *menus_.teachMenu);
    auto* diagram = new TimingDiagram(*pulses_, *machine_);
    auto* tablePanel = stepTable_ = new StepTablePanel(*steps_, prompts_);
    docks->add(diagram, QStringLiteral("timingDock"), QT_TRANSLATE_NOOP("Said", "脉冲时序图"),
               Qt::RightDockWidgetArea);
    docks->add(tablePanel, QStringLiteral("stepTableDock"), QT_TRANSLATE_NOOP("Said", "插补过程表"),
               Qt::BottomDockWidgetArea);
    selected_ = std::make_unique<SelectedStep>(SelectedStep::Tools{
        *machine_, *steps_, *tablePanel, *diagram, linep_, views_->linep(), editor_->filetxt()});
}

// The choice of methods follows the panels and overlays it changes. The
// exercises open in a window of their own, beside the main one and never
// modal, so the window keeps its size and a student can still run programs.
void MainWindow::buildExercises() {
    menus_.teachMenu->addSeparator();
    method_ = new MethodMenu(settings_, *menus_.teachMenu, this);
    auto* exercises =
        new ExercisePanel(prompts_,
                          {settings_.exerciseStudent(), settings_.exerciseAttempts(),
                           [this](const teach::Student& student, const std::string& attempts) {
                               settings_.saveExerciseStudent(student);
                               settings_.saveExerciseAttempts(attempts);
                           }},
                          this);
    menus_.teachMenu->addSeparator();
    QMenu* practice = menus_.teachMenu->addMenu(QString());
    sayOn(*this, practice, &QMenu::setTitle, QT_TRANSLATE_NOOP("Said", "练习(&X)"));
    QAction* item = teachingItem(*this, *practice, QT_TRANSLATE_NOOP("Said", "开始练习(&S)..."));
    connect(item, &QAction::triggered, exercises, &ExercisePanel::present);
    addWorksheetItem(*practice, QT_TRANSLATE_NOOP("Said", "打印练习单(&W)..."),
                     WorksheetDialog::Page::Worksheet, prompts_, *exercises, this);
    addWorksheetItem(*practice, QT_TRANSLATE_NOOP("Said", "打印答案(&A)..."),
                     WorksheetDialog::Page::Answers, prompts_, *exercises, this);
    auto* summary = new ClassSummaryWindow(prompts_, this);
    item = teachingItem(*this, *practice, QT_TRANSLATE_NOOP("Said", "班级汇总(&K)..."));
    connect(item, &QAction::triggered, summary, &ClassSummaryWindow::present);
    auto* comparison = new MethodCompareDialog([this] { return files_->programText(); },
                                               [this] { return runParameters(); }, this);
    item = teachingItem(*this, *menus_.teachMenu, QT_TRANSLATE_NOOP("Said", "方法对比(&B)..."));
    connect(item, &QAction::triggered, comparison, &MethodCompareDialog::present);
}

// The control panel's buttons trigger their menu items' actions and are
// enabled with them.
void MainWindow::connectRunCommands() {
    const MainMenus& m = menus_;
    connect(m.startRun, &QAction::triggered, this, &MainWindow::runCommand);
    connect(m.pauseRun, &QAction::triggered, this, &MainWindow::pauseCommand);
    connect(m.stopRun, &QAction::triggered, this, &MainWindow::stopCommand);
    for (const auto& [button, action] : {std::pair{&control_->runButton(), m.startRun},
                                         std::pair{&control_->pauseButton(), m.pauseRun},
                                         std::pair{&control_->stopButton(), m.stopRun}}) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    }
    using Unit = interp::Machine::StepUnit;
    for (const auto& [action, unit] :
         {std::pair{m.stepTick, Unit::Tick}, std::pair{m.stepIteration, Unit::Step},
          std::pair{m.stepToLineEnd, Unit::Line}}) {
        connect(action, &QAction::triggered, this, [this, unit] { stepCommand(unit); });
    }
    connect(m.stepBack, &QAction::triggered, this, [this] {
        if (!machine_->canStepBack()) return;
        panel_->restartProgram();
        batched_->batch([this] { machine_->stepBack(); });
        stepTable_->steppedBack();
        commandDone();
    });
    connect(clock_, &RunClock::stopped, this, &MainWindow::enableRunCommands);
    enableRunCommands();
}

void MainWindow::connectCommands() {
    const MainMenus& m = menus_;
    connectRunCommands();
    connect(&control_->clearButton(), &QPushButton::clicked, this, &MainWindow::clearScreen);
    connect(&control_->settingsButton(), &QPushButton::clicked, m.runSettings, &QAction::trigger);
    connect(m.runSettings, &QAction::triggered, this, &MainWindow::openParameters);
    connect(&control_->pace(), &PaceBox::paceChosen, clock_, &RunClock::setPace);

    connect(m.newProgram, &QAction::triggered, files_, &ProgramFiles::newProgram);
    connect(m.openProgram, &QAction::triggered, files_, &ProgramFiles::open);
    connect(m.saveProgram, &QAction::triggered, files_, &ProgramFiles::save);
    connect(m.saveProgramAs, &QAction::triggered, files_, &ProgramFiles::saveAs);
    connect(m.exitProgram, &QAction::triggered, this, &MainWindow::exitCommand);
    connect(m.saveViewPicture, &QAction::triggered, this, &MainWindow::saveViewPicture);
    connect(m.recentMenu, &QMenu::aboutToShow, this, &MainWindow::listRecentFiles);
    connect(files_, &ProgramFiles::opened, this,
            [this](const QString& path) { settings_.rememberRecentFile(path); });

    connect(m.planView, &QAction::triggered, this, [this] {
        showView(1);
        selectOption(1);
    });
    connect(m.axonometricView, &QAction::triggered, this, [this] {
        showView(0);
        selectOption(0);
    });
    connect(option1_, &QButtonGroup::idClicked, this, &MainWindow::showView);
    connect(m.panMagnified, &QAction::triggered, this, [this] { machine_->panmode(); });
    connect(m.rotateMagnified, &QAction::triggered, this, [this] { machine_->rotmode(); });
    connect(m.showToolbar, &QAction::triggered, m.toolBar, &QToolBar::setVisible);
    connect(m.showHelp, &QAction::triggered, this, &MainWindow::showHelp);
    connect(m.showDesigner, &QAction::triggered, this, &MainWindow::showDesigner);
    connectEditCommands();
}

void MainWindow::connectEditCommands() {
    ProgramEditor* text = &editor_->filetxt();
    connect(menus_.clearText, &QAction::triggered, text, &ProgramEditor::clearText);
    connect(menus_.cutText, &QAction::triggered, text, &ProgramEditor::cutSelection);
    connect(menus_.copyText, &QAction::triggered, text, &ProgramEditor::copySelection);
    connect(menus_.pasteText, &QAction::triggered, text, &ProgramEditor::pasteText);
    connect(editor_, &EditorFrame::editorFocusChanged, this,
            [this](bool shown) { menus_.showEditCommands(shown); });
}

void MainWindow::selectOption(int item) {
    option1_->button(item)->setChecked(true);
}

void MainWindow::showView(int item) {
    machine_->show(item == 0 ? views::View::Axonometric : views::View::Plan);
}

void MainWindow::runCommand() {
    std::string program;  // a paused run resumes without it
    if (!machine_->paused()) program = startProgram();
    machine_->run(program, runParameters());
    commandDone();
}

void MainWindow::pauseCommand() {
    machine_->pause();
    commandDone();
}

void MainWindow::stopCommand() {
    machine_->stop();
    commandDone();
}

void MainWindow::stepCommand(interp::Machine::StepUnit unit) {
    std::string program;  // a paused run steps on without it
    if (machine_->idle()) program = startProgram();
    const std::uint64_t from = steps_->endSerial();
    batched_->batch([&] { machine_->step(unit, program, runParameters()); });
    stepTable_->stepped(from);
    commandDone();
}

// The program as the editor holds it, which a fresh run is about to start from.
std::string MainWindow::startProgram() {
    std::string program = files_->programText();
    panel_->startProgram(program, editor_->filetxt().toPlainText());
    stepTable_->freshRun();
    runProgram_ = program;
    runParameters_ = runParameters();
    runStartTicks_ = machine_->timer1Ticks() + machine_->timer2Ticks();
    return program;
}

interp::Parameters MainWindow::runParameters() const {
    interp::Parameters parameters = settings_.parameters();
    parameters.g54x = g54x_;
    parameters.g54y = g54y_;
    parameters.g54z = g54z_;
    parameters.method = method_->choice();
    return parameters;
}

void MainWindow::commandDone() {
    clock_->sync();
    enableRunCommands();
}

void MainWindow::enableRunCommands() {
    menus_.enableRunCommands(*machine_);
}

void MainWindow::openParameters() {
    g54form_->load();
    g54form_->exec();
}

// "清屏..": the editor emptied and untitled, and the magnified view shown;
// the run, if any, goes on with its own copy of the program.
void MainWindow::clearScreen() {
    if (!files_->clearEditor()) return;
    machine_->show(views::View::Magnified);
}

namespace {

// The help and designer windows exist at most once and stand on their own,
// beside the main window; closing one through its frame unloads it.
template <typename Window>
void showOnce(QPointer<Window>& window) {
    if (!window) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// Laid out for their words, they are made again in place in another language.
template <typename Window>
void makeAgain(QPointer<Window>& window) {
    if (!window || !window->isVisible()) return;
    const QPoint at = window->pos();
    delete window;
    showOnce(window);
    window->move(at);
}

}  // namespace

void MainWindow::showHelp() {
    showOnce(helpWindow_);
}

void MainWindow::showDesigner() {
    showOnce(info_);
}

// The view on screen as a picture, at the size it is shown; a name without
// an extension becomes a PNG file.
void MainWindow::saveViewPicture() {
    QString path = prompts_.saveFileName(Said::tr("保存视图图片"),
                                         Said::tr("PNG 图片 (*.png);;SVG 图片 (*.svg)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
    const views::View shown = machine_->views().shown();
    const render::RasterCanvas& canvas = shown == views::View::Axonometric ? linez_
                                         : shown == views::View::Plan      ? linep_
                                                                           : liner_;
    if (!canvas.saveImage(path, canvas.size())) {
        prompts_.message(Said::tr("保存失败"), Said::tr("无法保存图片：%1").arg(path));
    }
}

// 视图 → 语言: the choice is kept, and every window says its texts again at
// once; the program, the run and the selection stay as they are.
void MainWindow::buildLanguageChoice() {
    const auto choose = [this](words::Language language) {
        settings_.saveLanguage(language);
        speakInWindow(language);
    };
    connect(menus_.speakChinese, &QAction::triggered, this,
            [choose] { choose(words::Language::chinese); });
    connect(menus_.speakEnglish, &QAction::triggered, this,
            [choose] { choose(words::Language::english); });
    sayAgain(*this, [this] {
        const bool chinese = words::spoken() == words::Language::chinese;
        (chinese ? menus_.speakChinese : menus_.speakEnglish)->setChecked(true);
        // The status bar shows only once it has something to say.
        if (auto* bar = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly)) {
            bar->clearMessage();
        }
        sayMarksAgain();
        makeAgain(helpWindow_);
        makeAgain(info_);
    });
}

// The editor's marks of the last run, error and warnings, were said in the
// language of their moment: the run is made again, unseen, as far as the
// last marked line, for their words in the language of now.
void MainWindow::sayMarksAgain() {
    ProgramEditor& editor = editor_->filetxt();
    const QList<qint64> warned = editor.warningLines();
    std::set<std::int64_t> lines(warned.begin(), warned.end());
    if (editor.errorLine() >= 0) lines.insert(editor.errorLine());
    if (lines.empty()) return;
    const std::uint64_t ticks = machine_->timer1Ticks() + machine_->timer2Ticks() - runStartTicks_;
    const interp::ProgramMarks marks =
        interp::programMarksAgain(runProgram_, runParameters_, lines, ticks + 1);
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    if (marks.errorLine >= 0 && marks.errorLine == editor.errorLine()) {
        editor.markError(marks.errorLine, text(marks.error));
    }
    for (const auto& [line, warning] : marks.warnings) {
        if (lines.count(line) != 0) {
            editor.markWarning(line, text(warning));
        }
    }
}

void MainWindow::listRecentFiles() {
    menus_.recentMenu->clear();
    const QStringList paths = settings_.recentFiles();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* entry = menus_.recentMenu->addAction(
            QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(literalMenuText(path)));
        connect(entry, &QAction::triggered, this, [this, path] { files_->openPath(path); });
    }
    menus_.recentMenu->setEnabled(!paths.isEmpty());
}

void MainWindow::exitCommand() {
    if (!files_->mayDiscard()) return;
    exiting_ = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !files_->mayDiscard()) {
        event->ignore();
        return;
    }
    if (!exiting_ && !isMinimized()) placement_.save(*this, settings_);
    WindowPlacement::saveLayout(*this, settings_);
    if (helpWindow_) helpWindow_->close();
    if (info_) info_->close();
    event->accept();
}

}  // namespace tarvo::app
