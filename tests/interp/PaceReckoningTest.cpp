#include <gtest/gtest.h>

#include <limits>

#include "interp/PaceReckoning.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

TARVO_TABLE_SUITE(InterpPaceReckoning, "pace-reckoning.tsv");

TEST_P(InterpPaceReckoning, OwesTheTicksOfTheWallTimeButNeverMoreThanABurst) {
    const std::vector<double> pace = row().numbers("pace");
    const std::vector<double> elapsed = row().numbers("elapsed");
    const std::vector<double> made = row().numbers("made");
    const std::vector<double> due = row().numbers("due");
    ASSERT_EQ(pace.size(), 2U);
    ASSERT_EQ(due.size(), elapsed.size());
    PaceReckoning reckoning;
    for (std::size_t i = 0; i < elapsed.size(); ++i) {
        const std::int64_t owed =
            reckoning.due(static_cast<std::int64_t>(elapsed[i]),
                          {static_cast<std::int64_t>(pace[0]), static_cast<std::int64_t>(pace[1])});
        EXPECT_EQ(owed, static_cast<std::int64_t>(due[i])) << "at " << elapsed[i] << " ms";
        reckoning.made(made.empty() ? owed : static_cast<std::int64_t>(made.at(i)));
    }
}

TEST(InterpPaceReckoning, UnlimitedOwesEverythingAtEveryLook) {
    PaceReckoning reckoning;
    constexpr Pace unlimited{0, 1};
    ASSERT_TRUE(unlimited.unlimited());
    ASSERT_FALSE(standardPace.unlimited());
    for (const std::int64_t elapsed : {0, 1, 100000}) {
        EXPECT_EQ(reckoning.due(elapsed, unlimited), std::numeric_limits<std::int64_t>::max());
        reckoning.made(1000);
    }
}

TEST(InterpPaceReckoning, ARestartForgetsTheTicksDealtWith) {
    PaceReckoning reckoning;
    reckoning.made(reckoning.due(40, standardPace));
    EXPECT_EQ(reckoning.due(40, standardPace), 0);
    reckoning.restart();
    EXPECT_EQ(reckoning.due(40, standardPace), 40);
}

}  // namespace
}  // namespace tarvo::interp
