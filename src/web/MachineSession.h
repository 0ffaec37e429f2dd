#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "interp/Machine.h"
#include "interp/Pace.h"
#include "interp/PaceReckoning.h"
#include "interp/ParameterTexts.h"
#include "interp/RunCommands.h"
#include "web/CaretPlaces.h"
#include "web/Comparison.h"
#include "web/LineCanvas.h"
#include "web/SlicePanel.h"
#include "web/TeachingTools.h"
#include "words/Language.h"

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

    // The newest kept row whose step point lies nearest a pixel of the plan
    // view, within TeachingTools::reach; none where no step point is that near.
    std::optional<std::uint64_t> rowAt(double x, double y) const;
    // A kept row's step point in a view's pixels; none in the magnified view,
    // which shows the cut, not the points.
    std::optional<std::pair<double, double>> pointOf(std::uint64_t serial, views::View view);

    // 方法对比 of the program loaded, with the parameters of the next fresh
    // run, under two methods (半加载 only for digital integration); a
    // comparison under way is cancelled first.
    void compare(std::array<motion::MethodChoice, 2> choices);
    Comparison* comparison() { return comparison_.get(); }

    // The language every text made from now on is in; the marks of the last
    // run on the program are said again in it, as a run in it would say them.
    void speak(words::Language language);

    SlicePanel& panel() { return panel_; }
    TeachingTools& tools() { return tools_; }
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
    TeachingTools tools_;
    interp::Parameters parameters_;
    bool started_ = false;  // a run has been started since the session was made
    std::string program_;
    // The last fresh run's program and parameters, and the machine's ticks
    // when it started, for its marks in another language.
    std::string runProgram_;
    interp::Parameters runParameters_;
    std::uint64_t runStartTicks_ = 0;
    CaretPlaces places_;
    std::unique_ptr<Comparison> comparison_;
    std::size_t paceIndex_;
    interp::PaceReckoning reckoning_;
};

}  // namespace tarvo::web
