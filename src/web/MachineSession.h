#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "interp/Machine.h"
#include "interp/Pace.h"
#include "interp/PaceReckoning.h"
#include "interp/ParameterTexts.h"
#include "interp/RunCommands.h"
#include "web/CaretPlaces.h"
#include "web/LineCanvas.h"
#include "web/SlicePanel.h"

namespace tarvo::web {

// The machine as the web page's worker drives it: the desktop window's
// commands, parameters, method and pace around one interp::Machine, its
// panel and its three views kept for the page to take once a frame. The
// worker calls everything here between two slices of running; nothing
// reads a clock.
class MachineSession {
public:
    // The cut below the surface is kept in at most 256 MiB here, a quarter of
    // what the window keeps: a page shares its memory with the browser.
    static constexpr std::size_t cutBudget = std::size_t{256} << 20;

    MachineSession();
    MachineSession(const MachineSession&) = delete;
    MachineSession& operator=(const MachineSession&) = delete;

    // The program as the page's editor holds it; a fresh run starts from it.
    void load(std::string text) { program_ = std::move(text); }

    // The parameter dialog's OK with the five texts as typed, in the dialog's
    // order (interp::parameterFields): the first field refused and why, or
    // nothing when all are taken for the next fresh run.
    struct Refusal {
        interp::ParameterField field;
        std::string_view text;
    };
    std::optional<Refusal> setParameters(const std::array<std::string, 5>& texts);
    // The methods of the next fresh run, by key (motion::methods()), with 半加载
    // and the registers' width N (0 automatic); why not, or nothing when taken.
    std::optional<std::string> setMethod(std::string_view key, bool halfLoad, int bits);

    // Does what the window's button or menu item does; what cannot act now
    // (interp::runCommandEnabled) does nothing. A failure that escapes the
    // machine becomes a message box.
    void command(interp::RunCommand command);

    // The 速度 box's entry (interp::paceChoices); the reckoning starts afresh.
    void setPace(std::size_t index);
    std::size_t paceIndex() const { return paceIndex_; }
    // The wall clock of the reckoning starts from zero: when a run begins to
    // advance, and at a change of pace.
    void restartPace() { reckoning_.restart(); }
    // The ticks due after `elapsed` wall milliseconds since the restart.
    std::int64_t due(std::int64_t elapsed) { return reckoning_.due(elapsed, pace()); }
    // Advances at most `ticks` timer ticks, fewer when the run stops or pauses
    // or when `enough` says so (asked every few hundred ticks); the ticks made
    // count as dealt with. Returns them.
    std::int64_t advance(std::int64_t ticks, const std::function<bool()>& enough);

    void show(views::View view);
    void drag(views::DragMode mode);
    // A pointer move over the magnified view, in its pixels.
    void pointerMoved(views::Buttons buttons, double x, double y);
    // The page shows the views at this many pixels square.
    void setViewSize(int size);

    // Where the caret stands in the run's program.
    CaretPlace caret();

    SlicePanel& panel() { return panel_; }
    LineCanvas& canvas(views::View view);
    const interp::Machine& machine() const { return machine_; }

private:
    interp::Pace pace() const;
    void startProgram();
    void step(interp::Machine::StepUnit unit);
    void stepBack();
    // Runs a command; what it throws is shown as a message box, as a program
    // error is.
    void guarded(const std::function<void()>& command);

    SlicePanel panel_;
    LineCanvas linez_, linep_, liner_;
    interp::Machine machine_;
    interp::Parameters parameters_;
    bool started_ = false;  // a run has been started since the session was made
    std::string program_;
    CaretPlaces places_;
    std::size_t paceIndex_;
    interp::PaceReckoning reckoning_;
};

}  // namespace tarvo::web
