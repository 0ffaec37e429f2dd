#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "support/LongDivision.h"
#include "teach/table/PulseText.h"

namespace tarvo::teach {
namespace {

using motion::Wide;

// A whole number of pulses is written straight from a 64-bit quotient, the
// rest digit by digit in 64 bits where they fit and in 128 where they do
// not. All must write what long division on a string of digits writes.

std::string expected(Wide n, Wide d) {
    bool exact = false;
    std::string text =
        test::longDivision(motion::magnitude(n), motion::magnitude(d), 8, false, exact);
    std::string prefix;
    if (!exact) {
        text = test::longDivision(motion::magnitude(n), motion::magnitude(d), 4, true, exact);
        prefix = "≈";
    }
    if ((n < 0) != (d < 0) && text != "0") prefix += "-";
    return prefix + text;
}

TEST(PulseText, WritesWhatLongDivisionWrites) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200'000; ++i) {
        const auto step = static_cast<std::int64_t>(random() % 10'000'000'000U) + 1'000'000;
        const motion::Decimal dlstep = motion::Decimal::fromUnits(step);
        auto units = static_cast<std::int64_t>(random() >> (random() % 56 + 8));
        if (i % 3 == 0)
            units = step * static_cast<std::int64_t>(random() % 100'000);  // whole pulses
        if (i % 2 == 0) units = -units;
        const motion::Decimal length = motion::Decimal::fromUnits(units);
        ASSERT_EQ(pulseText(length, dlstep), expected(units, step)) << units << " / " << step;
        const motion::Squared square = motion::Squared::of(length) - motion::Squared::fromUnits(i);
        ASSERT_EQ(pulseSquaredText(square, dlstep),
                  expected(square.units(), motion::Squared::of(dlstep).units()));
    }
}

}  // namespace
}  // namespace tarvo::teach
