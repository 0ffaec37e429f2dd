#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "interp/Machine.h"
#include "teach/ideal/PathRecord.h"
#include "teach/pulses/PulseHistory.h"
#include "teach/table/StepTable.h"
#include "teach/table/TableQuiz.h"

namespace tarvo::web {

// The records the web page's teaching tools read from the worker: the
// interpolation table with its 先答后看 answers, the pulse history, and the
// one step selected across the tools. They listen to the machine, so they
// must go before it does.
class TeachingTools {
public:
    // How near, in pixels, a press in the plan view must come to a step
    // point, as in the window.
    static constexpr double reach = 5;

    explicit TeachingTools(interp::Machine& machine)
        : table_(machine), pulses_(machine), quiz_(table_), path_(machine) {}

    // The shells' moments: a fresh run starts, a single step began when the
    // table's end was `from`, a step back is done.
    void freshRun();
    void stepped(std::uint64_t from);
    void steppedBack();

    // 先答后看: the switch and the question's answers, as the window's
    // question row gives them.
    void setAnswersOn(bool on);
    void answerFeed(motion::PulseFeed feed, std::string_view typedDeviation);
    void answerDeviation(std::string_view typed);
    void answerOverflow(bool x, bool y);

    // Changes whenever a kept row may read otherwise than when last asked.
    std::uint64_t revision();

    // The linked selection: none, or a kept row. Each choice gives the row
    // it selected.
    std::optional<std::uint64_t> select(std::optional<std::uint64_t> serial);
    // The newest kept row made at or before a tick of the run.
    std::optional<std::uint64_t> selectTick(std::uint64_t tick);
    // The first kept row of a program line (from 1).
    std::optional<std::uint64_t> selectLine(std::int64_t line);
    std::optional<std::uint64_t> selection() const { return selected_; }
    // Whether a fresh run or a step back took the selection away since last asked.
    bool takeSelectionCleared();

    const teach::StepTable& table() const { return table_; }
    const teach::PulseHistory& pulses() const { return pulses_; }
    const teach::TableQuiz& quiz() const { return quiz_; }
    // The exact path of the run's segments and the steps of each line.
    const teach::PathRecord& path() const { return path_; }

private:
    void clearSelection();

    teach::StepTable table_;
    teach::PulseHistory pulses_;
    teach::TableQuiz quiz_;
    teach::PathRecord path_;
    std::uint64_t revision_ = 0;
    // The table as the last revision saw it: first, end and segment serials.
    std::uint64_t seen_[3] = {};
    std::optional<std::uint64_t> selected_;
    bool selectionCleared_ = false;
};

}  // namespace tarvo::web
