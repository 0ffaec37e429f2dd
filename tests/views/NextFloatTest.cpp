#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "views/NextFloat.h"

namespace tarvo::views {
namespace {

using Limits = std::numeric_limits<float>;

// The very float std::nextafter gives, bit for bit, from every finite float
// the trail may start at towards every float it may head for: both zeros,
// the smallest and largest of either sign, the edges between normal and
// subnormal floats, and a spread of ordinary ones.
TEST(ViewsNextFloat, StepsAsNextafterDoes) {
    std::vector<float> starts{0.0f,
                              -0.0f,
                              Limits::denorm_min(),
                              -Limits::denorm_min(),
                              Limits::min(),
                              -Limits::min(),
                              Limits::max(),
                              -Limits::max(),
                              1.0f,
                              -1.0f,
                              0.1f,
                              -850.25f};
    std::mt19937 random{7};
    for (int i = 0; i < 200; ++i) {
        const float u = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(u)) starts.push_back(u);
    }
    std::vector<float> targets = starts;
    targets.insert(targets.end(), {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()});
    for (const float u : starts) {
        for (const float to : targets) {
            const float expected = std::nextafter(u, to), got = nextFloat(u, to);
            if (std::isnan(expected)) {
                EXPECT_TRUE(std::isnan(got)) << u << " towards " << to;
            } else {
                EXPECT_EQ(std::bit_cast<std::uint32_t>(got), std::bit_cast<std::uint32_t>(expected))
                    << u << " towards " << to;
            }
        }
    }
}

}  // namespace
}  // namespace tarvo::views
