#include <gtest/gtest.h>

#include "motion/OutputByte.h"
#include "motion/exact/NumberText.h"
#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

// A new machine shows the idle pattern: pulses rest at 1, directions at 0, switches off. Run
// writes it again (the run-control and golden tests hold the rest).
TEST(OutputByte, NewMachineShowsTheIdlePattern) {
    EXPECT_EQ(test::Rig().now().outdata, "10101000");
}

TARVO_TABLE_SUITE(ReadOut, "readout-text.tsv");

TEST_P(ReadOut, Text) {
    EXPECT_EQ(numberText(row().number("value")), row()["text"]);
}
}  // namespace
}  // namespace tarvo::motion
