#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "support/MachineRecorder.h"
#include "support/MethodNamed.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

// Where each program line's motion left the tool, and where it was to end, internal units.
struct LineEnds : motion::StepObserver {
    std::map<std::int64_t, std::pair<motion::ToolPoint, motion::ToolPoint>> byLine;
    void interpolated(const motion::StepRecord& r, const motion::Segment& s) override {
        byLine[r.line] = {r.point, {s.xe * 10, s.ye * 10, s.ze * 10}};
    }
};

TARVO_TABLE_SUITE(InterpMethodEnds, "method-ends.tsv");

TEST_P(InterpMethodEnds, EndOnTheEndPointOrStopWithTheMessage) {
    std::istringstream methods(row()["methods"]);
    for (std::string method; methods >> method;) {
        for (const double dl : row().numbers("dl")) {
            SCOPED_TRACE(method + " at dl " + std::to_string(dl));
            test::Rig r;
            LineEnds ends;
            r.machine.addStepObserver(&ends);
            Parameters p = test::withDl(dl);
            p.method = test::methodNamed(method);
            r.machine.run(row()["program"], p);
            test::finish(r.machine);
            EXPECT_EQ(test::shown(r.panel), row()["shown"]);
            if (!row()["shown"].empty()) continue;
            for (const auto& [line, reached] : ends.byLine) {
                SCOPED_TRACE("line " + std::to_string(line));
                EXPECT_EQ(reached.first.x, reached.second.x);
                EXPECT_EQ(reached.first.y, reached.second.y);
            }
            EXPECT_EQ(ends.byLine.size(),
                      std::count(row()["program"].begin(), row()["program"].end(), '\n') - 2);
        }
    }
}

}  // namespace
}  // namespace tarvo::interp
