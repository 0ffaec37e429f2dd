#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interp/Machine.h"
#include "interp/Messages.h"
#include "interp/Panel.h"

namespace tarvo::cli {

// How a headless run ended.
enum class End { EndOfText, Error, TickLimit };

std::string_view endName(End end);  // "end-of-text", "error", "tick-limit"

// A machine with a panel that only keeps the message a run ends with. Nobody
// steps back in its run, so it takes no snapshots.
class Runner {
public:
    // A runner that draws nothing and keeps no more of the cut than its counts.
    explicit Runner(interp::Parameters parameters) : parameters_(parameters), machine_(panel_) {
        machine_.countCutOnly();
        machine_.keepNoSnapshots();
    }
    // A runner whose views draw into the given canvases; the cut is kept for
    // the magnified view only when it is to be saved, and then only the step
    // points it replays.
    Runner(interp::Parameters parameters, views::ViewCanvases canvases, bool keepsCut = true)
        : parameters_(parameters), machine_(panel_, canvases) {
        if (keepsCut) {
            machine_.keepReplayedCutOnly();
        } else {
            machine_.countCutOnly();
        }
        machine_.keepNoSnapshots();
    }

    // Presses Run with the program text and lets the clock go until the run
    // stops or the machine has made maxTicks timer ticks.
    End run(std::string_view text, std::uint64_t maxTicks, interp::TickListener* listener);

    const interp::Machine& machine() const { return machine_; }
    interp::Machine& machine() { return machine_; }
    const std::optional<std::string>& message() const { return panel_.last; }
    // The machine's warnings of the run, a line each ("第3行注意：整圆：…").
    const std::vector<std::string>& warnings() const { return panel_.warnings; }

private:
    struct MessagePanel : interp::SilentPanel {
        void message(std::string_view text, std::string_view) override { last = std::string(text); }
        void warningShown(std::int64_t line, std::string_view text) override {
            warnings.push_back(interp::messages::warningLine(line + 1, text));
        }
        std::optional<std::string> last;
        std::vector<std::string> warnings;
    };

    interp::Parameters parameters_;
    MessagePanel panel_;
    interp::Machine machine_;
};

}  // namespace tarvo::cli
