#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "interp/Machine.h"
#include "motion/StoredPath.h"
#include "support/Programs.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using test::RecordingCanvas;

// A cut below the surface in all four quadrants, arcs both ways, and a
// second cut after a rapid move above the surface.
const std::string cut =
    "%\nG90G00X0Y0Z1\nG01Z-1\nG01X10Y0\nG02X-10Y0I-10J0\nG03X10Y0I10J0\nG01X-20Y-30Z-2\n"
    "G00Z5\nG00X4Y4\nG01Z-3\nX4.5Y4.5\nG00Z60\n%\n";

// A machine whose magnified view records what it draws; it keeps the whole
// cut or only what that view replays, in lists of the given budget.
struct MagnifiedMachine {
    MagnifiedMachine(bool replayedOnly, std::size_t budget)
        : machine(panel, {blind, blind, liner}, budget) {
        if (replayedOnly) machine.keepReplayedCutOnly();
    }
    test::RecordingPanel panel;
    views::BlindCanvas blind;
    RecordingCanvas liner;
    Machine machine;
};

// Pans with the pointer, then turns, then pans again: the same moves on
// both machines, each followed by what it drew.
template <typename Compare>
void dragBoth(MagnifiedMachine& a, MagnifiedMachine& b, Compare same) {
    const struct {
        const char* when;
        bool turn;
        std::vector<std::pair<float, float>> pointer;  // the first without a button
    } moves[] = {{"in pan mode", false, {}},
                 {"panned", false, {{3, 3}, {17, -4}}},
                 {"turned twice", true, {{0, 0}, {40, -25}, {90, 10}}},
                 {"panned after the turns", false, {{0, 0}, {-8, 30}}}};
    for (const auto& move : moves) {
        for (MagnifiedMachine* m : {&a, &b}) {
            move.turn ? m->machine.rotmode() : m->machine.panmode();
            for (const auto& [x, y] : move.pointer) {
                const bool first = &x == &move.pointer.front().first;
                m->machine.pointerMoved(first ? views::Buttons::None : views::Buttons::LeftAlone, x,
                                        y);
            }
        }
        same(move.when);
    }
}

// Keeping only the step points the magnified view replays draws that view
// line for line as keeping them all does, panned and turned, at strides
// with a power of two in them and without, within a budget that never fills
// and within ones that thin the cut below and past the points kept; the
// counts stay those of the whole cut. At 0.01 mm, where the view replays one
// step point in 40, the lists keep one in 8, the largest power of two in 40.
TEST(InterpReplayedCut, DrawsTheMagnifiedViewAsTheWholeCutDoes) {
    for (const double dl : {0.01, 0.016, 0.05, 0.1, 1.0}) {
        for (const std::size_t entries :
             {std::size_t{1} << 26, std::size_t{4096}, std::size_t{64}}) {
            SCOPED_TRACE("dl " + std::to_string(dl) + ", entries " + std::to_string(entries));
            const std::size_t budget = entries * 3 * sizeof(double);
            MagnifiedMachine whole(false, budget), replayed(true, budget);
            for (MagnifiedMachine* m : {&whole, &replayed}) {
                test::runToEnd(m->machine, cut, test::withDl(dl));
            }
            const auto& all = whole.machine.path();
            const auto& kept = replayed.machine.path();
            ASSERT_GT(all.pathUpper(), 0U);
            EXPECT_EQ(std::tuple(kept.pathUpper(), kept.keep(), kept.wallUpper()),
                      std::tuple(all.pathUpper(), all.keep(), all.wallUpper()));
            EXPECT_LE(kept.pathx.size(), all.pathx.size());
            if (dl == 0.01 && entries > 4096) {
                EXPECT_EQ(std::tuple(all.keptEvery(), kept.keptEvery()), std::tuple(1U, 8U));
                ASSERT_EQ(kept.pathx.size(), (all.pathx.size() - 2) / 8 + 2);
                for (std::size_t i = 1; i < kept.pathx.size(); ++i) {
                    EXPECT_EQ(std::tuple(kept.pathx[i], kept.pathz[i]),
                              std::tuple(all.pathx[8 * i - 7], all.pathz[8 * i - 7]))
                        << i;
                }
            }
            dragBoth(whole, replayed, [&](const char* when) {
                EXPECT_EQ(replayed.liner.calls, whole.liner.calls) << when;
                EXPECT_GT(whole.liner.ofKind(RecordingCanvas::Kind::Line).size(), 2U) << when;
                whole.liner.calls.clear();
                replayed.liner.calls.clear();
            });
        }
    }
}

// Past its budget a kept list thins as the whole one does, once the points
// it keeps are as far apart as the whole list's.
TEST(InterpReplayedCut, StoredPathThinsPastThePointsItKeeps) {
    motion::StoredPath p(4 * 3 * sizeof(double));  // four entries a list, placeholder included
    p.keepEvery(12);                               // one step point in 4
    std::vector<int> filled;
    for (int x = 0; x < 40; ++x) {
        if (p.recordStep(x, 0, -1)) filled.push_back(x);
    }
    EXPECT_EQ(filled, std::vector{3});
    // Keeping one in 16, as a whole list's would.
    EXPECT_EQ(std::tuple(p.keep(), p.keptEvery(), p.pathUpper()), std::tuple(16U, 16U, 3U));
    EXPECT_EQ(std::vector<double>({p.pathx[1], p.pathx[2], p.pathx[3]}),
              (std::vector{0.0, 16.0, 32.0}));
    EXPECT_FALSE(p.rewind(p.mark()));
}

}  // namespace
}  // namespace tarvo::interp
