#include <gtest/gtest.h>

#include "support/TableFile.h"
#include "teach/support/TableRun.h"
#include "teach/table/TableCaption.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(TableCaptions, "table-captions.tsv");

// The caption above the table once it has taken in a number of rows, or all the run made.
TEST_P(TableCaptions, NameTheMethodAndTheRegisters) {
    test::TableRun run;
    EXPECT_EQ(tableCaption(run.table), "运行程序后，这里逐步列出插补过程");
    run.machine.run(row()["program"], test::paramsOf(row().number("dl"), row()["method"]));
    const auto rows = static_cast<std::uint64_t>(row().numberOr("rows", 1e9));
    for (int tick = 0; !run.machine.idle() && run.table.endSerial() < rows && tick < 1'000'000;
         ++tick) {
        run.machine.advance();
    }
    EXPECT_EQ(tableCaption(run.table), row()["caption"]);
}

}  // namespace
}  // namespace tarvo::teach
