#include <gtest/gtest.h>

#include <vector>

#include "interp/Machine.h"
#include "support/MachineRecorder.h"
#include "support/PathLists.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

// A cut below the surface of sixteen steps: seventeen entries a list, placeholder included.
constexpr const char* deepCut = "%\nG01Z-5\nX10\n";

struct ThinningPanel : test::RecordingPanel {
    void cutThinned() override { ++thinned; }
    int thinned = 0;
};

struct BudgetRun {
    explicit BudgetRun(std::size_t entries) : machine(panel, entries * 3 * sizeof(double)) {
        test::runToEnd(machine, deepCut);
    }
    ThinningPanel panel;
    Machine machine;
};

// Whether `part` is `whole` with some entries left out, in order.
bool within(const std::vector<double>& part, const std::vector<double>& whole) {
    std::size_t at = 0;
    for (const double v : part) {
        while (at < whole.size() && whole[at] != v) ++at;
        if (at++ == whole.size()) return false;
    }
    return true;
}

TEST(InterpCutBudget, ABudgetThatHoldsTheWholeCutKeepsEveryStepAsTheDefaultDoes) {
    test::Rig large;
    test::runToEnd(large.machine, deepCut);
    ASSERT_EQ(large.machine.path().pathUpper(), 16U);
    const BudgetRun small(17);
    EXPECT_EQ(small.panel.thinned, 0);
    EXPECT_EQ(small.machine.path().keep(), 1U);
    EXPECT_EQ(test::everything(small.machine.path()), test::everything(large.machine.path()));
}

TEST(InterpCutBudget, ASmallerBudgetThinsTheCutAndTheRunGoesOn) {
    test::Rig large;
    test::runToEnd(large.machine, deepCut);
    for (const std::size_t entries : {16, 8, 4}) {
        const BudgetRun small(entries);
        EXPECT_EQ(small.panel.thinned, 1) << entries;
        EXPECT_GT(small.machine.path().keep(), 1U) << entries;
        EXPECT_LE(small.machine.path().pathx.size(), entries) << entries;
        const auto kept = test::everything(small.machine.path());
        const auto all = test::everything(large.machine.path());
        for (std::size_t list = 0; list < 3; ++list) {
            EXPECT_TRUE(within(kept[list], all[list])) << entries << " list " << list;
            EXPECT_EQ(kept[list].front(), all[list].front()) << entries << " list " << list;
        }
        EXPECT_EQ(small.panel.points.back(), large.panel.points.back()) << entries;
        EXPECT_TRUE(small.panel.spindle == large.panel.spindle);
    }
}

}  // namespace
}  // namespace tarvo::interp
