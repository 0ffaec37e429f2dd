#include <gtest/gtest.h>

#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

// The iterations (two Timer2 ticks each) in which each register moved, as "x / y / z".
std::string overflows(const std::vector<test::Tick>& ticks) {
    std::string groups[3];
    Registers was;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const Registers& r = ticks[i].after.r;
        const Decimal now[] = {r.px, r.py, r.pz}, before[] = {was.px, was.py, was.pz};
        for (int axis = 0; axis < 3; ++axis) {
            if (now[axis] != before[axis]) groups[axis] += std::to_string(i / 2 + 1) + ' ';
        }
        was = r;
    }
    for (std::string& g : groups) g = g.empty() ? "-" : g.substr(0, g.size() - 1);
    return groups[0] + " / " + groups[1] + " / " + groups[2];
}

// The output bits a tick changed, in order, as "XPulse=0 XDir=1".
std::string bitChanges(const test::RecordingPanel& panel, const test::Tick& tick) {
    const char* names[] = {"XPulse", "XDir", "YPulse",  "YDir",
                           "ZPulse", "ZDir", "Spindle", "Coolant"};
    std::string out;
    for (std::size_t i = tick.bitsBefore; i < tick.after.bits; ++i) {
        const auto [bit, value] = panel.bits[i];
        out += (out.empty() ? "" : " ") + std::string(names[bit]) + "=" + "01"[value];
    }
    return out;
}

TARVO_TABLE_SUITE(InterpolationTick, "segments.tsv");

TEST_P(InterpolationTick, SegmentFigures) {
    const test::TracedRun run(row()["program"], row().number("dl"));
    EXPECT_TRUE(run.panel.messages.empty());
    const test::SegmentRun& seg = run.segment(static_cast<std::size_t>(row().number("segment")));
    const test::State& last = seg.last();
    EXPECT_EQ(test::dbl(seg.handed.regmax), row().numberOr("regmax", test::dbl(seg.handed.regmax)));
    EXPECT_EQ(
        std::tuple(seg.ticks.size(), seg.steps(), std::vector({last.xcur, last.ycur, last.zcur})),
        std::tuple(row().as<std::size_t>("ticks"), row().as<std::size_t>("steps"),
                   row().numbers("end")));
    const test::State& first = seg.ticks.at(0).after;
    if (!row()["first"].empty()) {
        EXPECT_EQ(std::vector({first.xcur - 10 * test::dbl(seg.handed.xs),
                               first.ycur - 10 * test::dbl(seg.handed.ys)}),
                  row().numbers("first"));
    }
    test::expectTexts(row(), {{"overflows", overflows(seg.ticks)},
                              {"bits", bitChanges(run.panel, seg.ticks[0])}});
    // Whatever happened, the pulse bits rest after the segment's last tick.
    const std::string& out = last.outdata;
    EXPECT_EQ(
        std::string({out[OutputByte::XPulse], out[OutputByte::YPulse], out[OutputByte::ZPulse]}),
        "111");
    EXPECT_TRUE(!seg.handed.empty() || last.bits == seg.ticks[0].bitsBefore);
}
}  // namespace
}  // namespace tarvo::motion
