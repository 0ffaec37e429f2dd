#include <gtest/gtest.h>

#include "support/MethodNamed.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "support/TableFile.h"
#include "teach/table/StepTable.h"
#include "teach/table/TableCaption.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(TableCaptions, "table-captions.tsv");

// The caption above the table once it has taken in a number of rows, or all the run made.
TEST_P(TableCaptions, NameTheMethodAndTheRegisters) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    StepTable table(machine);
    EXPECT_EQ(tableCaption(table), "运行程序后，这里逐步列出插补过程");
    interp::Parameters p = test::withDl(row().number("dl"));
    p.method = test::methodNamed(row()["method"]);
    std::string program = row()["program"];
    machine.run(program, p);
    const auto rows = static_cast<std::uint64_t>(row().numberOr("rows", 1e9));
    for (int tick = 0; !machine.idle() && table.endSerial() < rows && tick < 1'000'000; ++tick) {
        machine.advance();
    }
    EXPECT_EQ(tableCaption(table), row()["caption"]);
}

}  // namespace
}  // namespace tarvo::teach
