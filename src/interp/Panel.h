#pragma once

#include <cstdint>
#include <string_view>

#include "motion/MotionPanel.h"
#include "views/Views.h"

namespace tarvo::interp {

// Everything the machine shows outside the views. The shell implements it; a
// test records the calls. Calls come from Machine's commands and advance().
class Panel : public motion::MotionPanel {
public:
    // A modal message with only an OK button: a program error ("第3行有错G....",
    // title "出错") or a refused Run, text and title in the language spoken
    // when it came. The run has already stopped when it comes.
    virtual void message(std::string_view text, std::string_view title) = 0;
    // Caret of the editor, as a byte index into the program text.
    virtual void caretMoved(std::int64_t index) = 0;
    // The current-line marker: index, counted from 0, of the line executing.
    virtual void currentLineMarked(std::int64_t line) = 0;
    // The line, counted from 0, whose motion is under way: told at each line
    // end, and -1 when a run starts, stops, ends or fails. Unlike the
    // marker it does not stay behind once nothing executes.
    virtual void executingLineShown(std::int64_t line) = 0;
    // A program error lies on this line, counted from 0; the text is the one
    // message() shows next.
    virtual void programErrorShown(std::int64_t line, std::string_view text) = 0;
    // A line, counted from 0, the machine did not do as written, and why
    // (messages::fullCircle, said); the run goes on. Told when the line's motion
    // would begin.
    virtual void warningShown(std::int64_t line, std::string_view text) = 0;
    // The work-piece origin read-outs, in millimetres, at the start of a run.
    virtual void originShown(double x, double y, double z) = 0;
    // Run selects the plan view's option button (the views themselves are
    // switched through their canvases).
    virtual void viewOptionSelected(views::View view) = 0;
};

// A panel that shows nothing: for runs whose state is read afterwards.
class SilentPanel : public Panel {
public:
    bool showsMotion() const override { return false; }
    void outputBitChanged(int, bool) override {}
    void pointShown(double, double, double) override {}
    void spindleShown(bool) override {}
    void coolantShown(bool) override {}
    void message(std::string_view, std::string_view) override {}
    void caretMoved(std::int64_t) override {}
    void currentLineMarked(std::int64_t) override {}
    void executingLineShown(std::int64_t) override {}
    void programErrorShown(std::int64_t, std::string_view) override {}
    void warningShown(std::int64_t, std::string_view) override {}
    void originShown(double, double, double) override {}
    void viewOptionSelected(views::View) override {}
};

}  // namespace tarvo::interp
