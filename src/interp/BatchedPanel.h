#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "interp/Panel.h"

namespace tarvo::interp {

// Stands between the machine and a shell's panel and passes every call on.
// Outside a batch they go straight through; during a batch of ticks only the
// latest output bits, point, switches, caret and line marks are kept, and
// shown when the batch is over: a read-out a thousand ticks overwrite before
// the shell paints again is set once, not a thousand times.
class BatchedPanel : public Panel {
public:
    explicit BatchedPanel(Panel& shown) : shown_(shown) {}

    // Runs `ticks` as one batch (a batch inside a batch is part of it).
    void batch(const std::function<void()>& ticks);

    void outputBitChanged(int index, bool value) override;
    void pointShown(double x, double y, double z) override;
    void spindleShown(bool on) override;
    void coolantShown(bool on) override;
    void caretMoved(std::int64_t index) override;
    void currentLineMarked(std::int64_t line) override;
    void executingLineShown(std::int64_t line) override;
    void programErrorShown(std::int64_t line, std::string_view text) override {
        shown_.programErrorShown(line, text);
    }
    void warningShown(std::int64_t line, std::string_view text) override {
        shown_.warningShown(line, text);
    }
    void message(std::string_view text, std::string_view title) override {
        shown_.message(text, title);
    }
    void originShown(double x, double y, double z) override { shown_.originShown(x, y, z); }
    void viewOptionSelected(views::View view) override { shown_.viewOptionSelected(view); }
    void cutThinned() override { shown_.cutThinned(); }

private:
    struct Held {
        std::array<std::optional<bool>, 8> bits;
        std::optional<std::array<double, 3>> point;
        std::optional<bool> spindle, coolant;
        std::optional<std::int64_t> caret, line, executing;
    };
    void showHeld(const Held& held);
    // Keeps the value in its slot during a batch; shows it at once otherwise.
    template <typename Slot, typename Value, typename Show>
    void holdOrShow(Slot Held::*slot, const Value& value, Show show) {
        if (held_) {
            (*held_).*slot = value;
        } else {
            show();
        }
    }

    Panel& shown_;
    std::optional<Held> held_;  // during a batch
};

}  // namespace tarvo::interp
