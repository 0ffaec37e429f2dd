#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "app/link/CaretMap.h"
#include "interp/Panel.h"

namespace tarvo::app {

class CoordinatePanel;
class EditorFrame;
class OutputPanel;
class Prompts;

// The machine's panel in the window: bits, read-outs, caret and marker go
// straight to their widgets; messages wait until the machine has finished
// its tick, then show modally.
class WindowPanel : public interp::Panel {
public:
    struct Widgets {
        OutputPanel& output;
        CoordinatePanel& coordinates;
        EditorFrame& editor;
        Prompts& prompts;
        QObject& window;  // messages are dropped if it goes first
        std::function<void(views::View)> selectOption;
        std::function<void(const QString&)> note;  // a passing note that holds nothing up
    };

    explicit WindowPanel(Widgets widgets) : w_(std::move(widgets)) {}

    // A run starts from this program text, as the editor shows it; the mark
    // of the last run's program error goes.
    void startProgram(const std::string& program, const QString& editorText);
    // The run is about to be replayed from its start: the moving point's
    // read-outs show again what they showed when it started, until the
    // replay's first step point.
    void restartProgram();

    void outputBitChanged(int index, bool value) override;
    void pointShown(double x, double y, double z) override;
    void spindleShown(bool on) override;
    void coolantShown(bool on) override;
    void message(std::string_view text, std::string_view title) override;
    void caretMoved(std::int64_t index) override;
    void currentLineMarked(std::int64_t line) override;
    void executingLineShown(std::int64_t line) override;
    void programErrorShown(std::int64_t line, std::string_view message) override;
    void warningShown(std::int64_t line, std::string_view message) override;
    void originShown(double x, double y, double z) override;
    void viewOptionSelected(views::View view) override;
    void cutThinned() override;

private:
    Widgets w_;
    CaretMap caretMap_;
    std::array<QString, 3> startPoint_;  // the moving point's read-outs at the run's start
};

}  // namespace tarvo::app
