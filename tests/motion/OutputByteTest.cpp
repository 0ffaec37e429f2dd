#include <gtest/gtest.h>

#include "motion/NumberText.h"
#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"
#include "support/TableFile.h"

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

TARVO_TABLE_SUITE(ReadOut, "readout-text.tsv");

TEST_P(ReadOut, Text) {
    EXPECT_EQ(numberText(row().number("value")), row()["text"]);
}
}  // namespace
}  // namespace tarvo::motion
