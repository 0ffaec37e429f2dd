#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/window/MainMenus.h"
#include "app/window/WindowPlacement.h"
#include "interp/Machine.h"
#include "motion/exact/DecimalReading.h"
#include "render/RasterCanvas.h"

class QButtonGroup;
class QRadioButton;

namespace tarvo::teach {
class PulseHistory;
class StepTable;
}  // namespace tarvo::teach
namespace tarvo::interp {
class BatchedPanel;
}
namespace tarvo::app {

class ControlPanel;
class CoordinatePanel;
class DesignerWindow;
class MethodMenu;
class EditorFrame;
class HelpWindow;
class IdealPathSwitch;
class OutputPanel;
class ParameterDialog;
class ProgramFiles;
class Prompts;
class RunClock;
class SelectedStep;
class Settings;
class StepTablePanel;
class ViewStack;
class WindowPanel;

// " Tarvo模拟", the simulator's one window: the views, the editor, the
// read-outs, the control panel and the output byte, with menus and toolbar.
// It wires the widgets to the machine and holds no run logic of its own.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `prompts` answers dialogs and shows messages; the real dialogs when null.
    MainWindow(Settings& settings, Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    interp::Machine& machine() { return *machine_; }
    const MainMenus& menus() const { return menus_; }
    EditorFrame& editorFrame() { return *editor_; }
    ControlPanel& controlPanel() { return *control_; }
    OutputPanel& outputPanel() { return *output_; }
    CoordinatePanel& coordinatePanel() { return *coordinates_; }
    ViewStack& viewStack() { return *views_; }
    ProgramFiles& files() { return *files_; }
    QRadioButton& option1(int item);
    render::RasterCanvas& linep() { return linep_; }
    render::RasterCanvas& linez() { return linez_; }
    render::RasterCanvas& liner() { return liner_; }
    RunClock& clock() { return *clock_; }
    SelectedStep& selectedStep() { return *selected_; }
    MethodMenu& methodMenu() { return *method_; }

    // The run commands, as the menu, the buttons, the toolbar and F5 give them.
    void runCommand();
    void pauseCommand();
    void stopCommand();
    // A step (F6, F7, F8): on an idle machine it starts the editor's program.
    void stepCommand(interp::Machine::StepUnit unit);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildGraphicsFrame();
    void buildLayout();
    void buildTeachingDocks();
    void buildExercises();
    void connectCommands();
    void connectRunCommands();
    std::string startProgram();
    interp::Parameters runParameters() const;
    void commandDone();
    void enableRunCommands();
    void connectEditCommands();
    void selectOption(int item);
    void showView(int view);
    void openParameters();
    void clearScreen();
    void showHelp();
    void showDesigner();
    void exitCommand();
    void saveViewPicture();
    void listRecentFiles();
    void buildLanguageChoice();
    void sayMarksAgain();

    Settings& settings_;
    std::unique_ptr<Prompts> ownPrompts_;
    Prompts& prompts_;
    render::RasterCanvas linez_, linep_, liner_;
    MainMenus menus_;
    EditorFrame* editor_;
    ControlPanel* control_;
    OutputPanel* output_;
    CoordinatePanel* coordinates_;
    ViewStack* views_;
    QButtonGroup* option1_;
    ProgramFiles* files_;
    std::unique_ptr<WindowPanel> panel_;
    std::unique_ptr<interp::BatchedPanel>
        batched_;  // the machine's panel: panel_, a batch of ticks at a time
    std::unique_ptr<interp::Machine> machine_;
    std::unique_ptr<teach::PulseHistory> pulses_;  // goes before the machine it listens to
    std::unique_ptr<teach::StepTable> steps_;      // likewise
    std::unique_ptr<SelectedStep> selected_;       // likewise
    std::unique_ptr<IdealPathSwitch> idealPath_;   // likewise
    StepTablePanel* stepTable_ = nullptr;  // asks the rows single steps make, 先答后看 on
    RunClock* clock_;
    MethodMenu* method_;  // the methods the next Run takes
    ParameterDialog* g54form_;
    QPointer<HelpWindow> helpWindow_;
    QPointer<DesignerWindow> info_;
    motion::DecimalReading g54x_, g54y_, g54z_;
    WindowPlacement placement_;
    bool exiting_ = false;
    // The last run's program and parameters, and the machine's ticks when it
    // started: its marks on the editor are made again in another language.
    std::string runProgram_;
    interp::Parameters runParameters_;
    std::uint64_t runStartTicks_ = 0;
};

}  // namespace tarvo::app
