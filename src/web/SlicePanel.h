#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "interp/Panel.h"

namespace tarvo::web {

// A program line, counted from 0, and what the machine said of it.
struct LineText {
    std::int64_t line;
    std::string text;
};

struct Modal {
    std::string text, title;
};

// The machine's panel for the page: it keeps what the desktop's widgets
// would show, as texts where the desktop shows texts, for the worker to hand
// over whole once a frame; message boxes wait in order until taken.
class SlicePanel : public interp::Panel {
public:
    // A fresh run starts: the last run's error and warnings go, and the
    // point's read-outs are remembered for a replay from the start.
    void startProgram();
    // The run is about to be replayed from its start: the point's read-outs
    // show again what they showed when it started, until its first step.
    void restartProgram() { point = startPoint_; }

    void outputBitChanged(int index, bool value) override;
    void pointShown(double x, double y, double z) override;
    void spindleShown(bool on) override { spindle = on; }
    void coolantShown(bool on) override { coolant = on; }
    void message(std::string_view text, std::string_view title) override;
    void caretMoved(std::int64_t index) override { caret = index; }
    void currentLineMarked(std::int64_t line) override { currentLine = line; }
    void executingLineShown(std::int64_t line) override { executingLine = line; }
    void programErrorShown(std::int64_t line, std::string_view text) override;
    void warningShown(std::int64_t line, std::string_view text) override;
    void originShown(double x, double y, double z) override;
    void viewOptionSelected(views::View view) override { option = view; }
    void cutThinned() override;

    // Message boxes and the passing note since they were last taken.
    std::vector<Modal> takeModals();
    std::optional<std::string> takeNote();

    std::array<std::string, 3> point{"0.0", "0.0", "0.0"}, origin{"0.0", "0.0", "0.0"};
    std::array<bool, 8> bits{};
    bool spindle = false, coolant = false;
    std::int64_t caret = 0;  // a byte index into the run's program
    std::int64_t currentLine = 0, executingLine = -1;
    std::optional<LineText> error;
    std::vector<LineText> warnings;
    views::View option = views::View::Plan;

private:
    std::array<std::string, 3> startPoint_ = point;
    std::vector<Modal> modals_;
    std::optional<std::string> note_;
};

}  // namespace tarvo::web
