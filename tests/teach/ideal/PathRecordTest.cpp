#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "support/MachineRecorder.h"
#include "support/Programs.h"
#include "support/TableFile.h"
#include "teach/ideal/IdealSegment.h"
#include "teach/ideal/PathRecord.h"

namespace tarvo::teach {
namespace {

// The steps of a line as the plan view picks them out: its polyline after
// the point the tool stood on before them.
std::size_t stepsOf(const LineSteps& steps, std::int64_t line) {
    const std::size_t points = steps.polyline(line).size() / 2;
    return points == 0 ? 0 : points - 1;
}

// A machine with a record of its runs, made after it so it goes first.
struct RecordedRig : test::Rig {
    PathRecord record{machine};

    void run(const std::string& program, double dl = 1) {
        machine.run(program, test::withDl(dl));
        test::finish(machine);
    }
    double pulses(std::int64_t line) const {
        const teach::IdealSegment* s = record.deviation().ofLine(line);
        return s ? s->deviation / record.dlstep() : -1;
    }
};

// Straight moves on the grid deviate 0; arcs and slanted lines within a pulse, G03's first one.
TEST(PathRecord, SampleDeviatesOnlyWhereItsPathLeavesTheStepGrid) {
    for (const double dl : {1.0, 0.1}) {
        SCOPED_TRACE(dl);
        RecordedRig rig;
        rig.run(test::sampleProgram, dl);
        for (const std::int64_t line : {2, 3, 7, 8}) EXPECT_EQ(rig.pulses(line), 0) << line;
        double largest = 0;
        for (const std::int64_t line : {4, 5, 6}) {
            EXPECT_GT(rig.pulses(line), 0) << line;
            EXPECT_LE(rig.pulses(line), 1) << line;
            largest = std::max(largest, rig.pulses(line));
        }
        EXPECT_DOUBLE_EQ(rig.record.deviation().runDeviation() / rig.record.dlstep(), largest);
        EXPECT_EQ(rig.pulses(1), -1);  // "%" moves nothing
        EXPECT_EQ(rig.pulses(4), 1);
    }
}

TEST(PathRecord, EachLineKeepsItsOwnSteps) {
    RecordedRig rig;
    rig.run(test::sampleProgram);
    std::vector<std::size_t> steps;
    for (const std::int64_t line : {1, 2, 3, 4, 5, 7, 8, 9})
        steps.push_back(stepsOf(rig.record.steps(), line));
    EXPECT_EQ(steps, std::vector<std::size_t>({0, 10, 20, 20, 20, 10, 20, 0}));
    // G01 X30 from where G00 X10 Y10 ended: along Y 10 to X 30, internal units.
    const auto cut = rig.record.steps().polyline(3);
    ASSERT_EQ(cut.size(), 42u);
    EXPECT_EQ(cut[0], 100.0f);
    for (std::size_t i = 1; i < cut.size(); i += 2) EXPECT_EQ(cut[i], 100.0f);
    EXPECT_EQ(cut[cut.size() - 2], 300.0f);
}

TEST(PathRecord, FreshRunReplacesTheRecord) {
    RecordedRig rig;
    rig.run(test::sampleProgram);
    rig.run("%\r\nG01X5\r\n%\r\n");
    const PathDeviation& d = rig.record.deviation();
    EXPECT_EQ(std::tuple(rig.record.runs(), stepsOf(rig.record.steps(), 2),
                         stepsOf(rig.record.steps(), 3), d.finished().size()),
              std::tuple(2u, 5u, 0u, 0u));
    ASSERT_NE(d.current(), nullptr);
    EXPECT_EQ(d.current()->line, 2);
}

// Once the points are used up nothing more is kept, and what is kept is whole.
TEST(LineSteps, StopsAtItsCapacity) {
    test::Rig rig;
    teach::LineSteps steps(25);
    rig.machine.addStepObserver(&steps);
    test::runToEnd(rig.machine, test::sampleProgram);
    rig.machine.removeStepObserver(&steps);
    EXPECT_EQ(
        std::vector({steps.points(), stepsOf(steps, 2), stepsOf(steps, 3), stepsOf(steps, 4)}),
        std::vector<std::size_t>({25, 10, 13, 0}));
}

TARVO_TABLE_SUITE(IdealSegmentPath, "ideal-segment.tsv");

TEST_P(IdealSegmentPath, DistanceOfAPointAndSweep) {
    const std::vector<double> s = row().numbers("segment"), p = row().numbers("point");
    const auto mode = static_cast<motion::Mode>(static_cast<int>(s.at(8)));
    using test::decimalOf;
    const IdealSegment path = IdealSegment::of({decimalOf(s[0]), decimalOf(s[1]), decimalOf(s[2]),
                                                decimalOf(s[3]), decimalOf(s[4]), decimalOf(s[5]),
                                                decimalOf(s[6]), decimalOf(s[7]), mode});
    const motion::Point3 point{p.at(0), p.at(1), p.at(2)};
    const double distance = row().number("distance");
    EXPECT_DOUBLE_EQ(path.distance(point), distance);
    // The quick look by squares lets through whatever lies farther, and not much else.
    EXPECT_TRUE(distance == 0 || path.mayLieFarther(point, distance * (1 - 1e-6)));
    EXPECT_FALSE(path.mayLieFarther(point, distance * (1 + 1e-6) + 1e-6));
    EXPECT_DOUBLE_EQ(path.sweep(), row().numberOr("sweep", path.sweep()));
}

}  // namespace
}  // namespace tarvo::teach
