#include "interp/ProgramMarks.h"

#include <algorithm>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"
#include "interp/Panel.h"

namespace tarvo::interp {

namespace {

// Keeps the marks, and how many of the lines asked for it has marked.
class MarkingPanel : public SilentPanel {
public:
    explicit MarkingPanel(const std::set<std::int64_t>& lines) : lines_(lines) {}

    void programErrorShown(std::int64_t line, std::string_view text) override {
        marks.errorLine = line;
        marks.error = std::string(text);
        found_.insert(line);
    }
    void warningShown(std::int64_t line, std::string_view text) override {
        marks.warnings[line] = std::string(text);
        found_.insert(line);
    }
    bool foundAll() const {
        return std::includes(found_.begin(), found_.end(), lines_.begin(), lines_.end());
    }

    ProgramMarks marks;

private:
    const std::set<std::int64_t>& lines_;
    std::set<std::int64_t> found_;
};

// Small enough that the run stops soon after the last line asked for.
constexpr std::uint64_t ticksAtATime = 4096;

}  // namespace

ProgramMarks programMarksAgain(std::string_view program, const Parameters& parameters,
                               const std::set<std::int64_t>& lines, std::uint64_t tickLimit) {
    MarkingPanel panel(lines);
    Machine machine(panel);
    machine.run(program, parameters);
    ClockDriver driver(machine);
    for (std::uint64_t made = 0; !panel.foundAll() && machine.advancing() && made < tickLimit;) {
        const std::uint64_t ticks = std::min(ticksAtATime, tickLimit - made);
        driver.runToEnd(ticks);
        made += ticks;
    }
    return panel.marks;
}

}  // namespace tarvo::interp
