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

// A budget that holds the whole cut keeps every step as the default does; a smaller one thins
// the cut once, keeping entries of the whole cut in order from its first, and the run goes on.
TEST(InterpCutBudget, ASmallerBudgetThinsTheCutAndTheRunGoesOn) {
    test::Rig large;
    test::runToEnd(large.machine, deepCut);
    ASSERT_EQ(large.machine.path().pathUpper(), 16U);
    const auto all = test::everything(large.machine.path());
    for (const std::size_t entries : {17, 16, 8, 4}) {
        SCOPED_TRACE(entries);
        const BudgetRun small(entries);
        const auto kept = test::everything(small.machine.path());
        EXPECT_EQ(small.panel.thinned, entries < 17 ? 1 : 0);
        EXPECT_EQ(small.machine.path().keep() > 1, entries < 17);
        EXPECT_LE(small.machine.path().pathx.size(), entries);
        EXPECT_TRUE(entries < 17 || kept == all);
        for (std::size_t list = 0; list < 3; ++list) {
            EXPECT_TRUE(within(kept[list], all[list])) << "list " << list;
            EXPECT_EQ(kept[list].front(), all[list].front()) << "list " << list;
        }
        EXPECT_EQ(small.panel.points.back(), large.panel.points.back());
        EXPECT_TRUE(small.panel.spindle == large.panel.spindle);
    }
}

}  // namespace
}  // namespace tarvo::interp
