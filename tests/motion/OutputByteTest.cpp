#include <gtest/gtest.h>

#include <utility>

#include "motion/NumberText.h"
#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

// Pulses rest at 1, directions at 0, switches off: on a new machine and at every run start.
TEST(OutputByte, RunStartWritesTheIdlePattern) {
    test::RecordingPanel panel;
    interp::Machine m(panel);
    EXPECT_EQ(m.outdata().texts(), "10101000");
    test::runToEnd(m, "%\nG01X-1Y1Z61M03M08\n");
    EXPECT_EQ(m.outdata().texts(), "11101011");
    m.run("%\nG01X10\n", {});
    EXPECT_EQ(m.outdata().texts(), "10101000");

    // A run stopped right after a step tick leaves its pulse active.
    while (m.outdata().bit(OutputByte::XPulse)) m.advance();
    m.stop();
    EXPECT_EQ(m.outdata().texts(), "00101000");
    m.run("%\nG01X10\n", {});
    EXPECT_EQ(m.outdata().texts(), "10101000");
}

// Read-outs: the shortest text of at most 15 significant digits.
TEST(OutputByte, ReadOutText) {
    // clang-format off
    const std::pair<double, const char*> cases[] = {
        {30, "30"}, {-2.5, "-2.5"}, {10.5, "10.5"}, {0, "0"}, {-0.0, "0"}, {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
        {-123456.789, "-123456.789"}, {123456789012345.0, "123456789012345"}};
    // clang-format on
    for (const auto& [value, text] : cases) EXPECT_EQ(numberText(value), text);
}

}  // namespace
}  // namespace tarvo::motion
