#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "support/TableFile.h"
#include "teach/MethodTrial.h"

namespace tarvo::teach {
namespace {

motion::MethodChoice choiceNamed(const std::string& name) {
    using motion::Interpolation;
    if (name == "dda") return {Interpolation::Integration, false};
    if (name == "dda-half") return {Interpolation::Integration, true};
    EXPECT_EQ(name, "comparison");
    return {Interpolation::Comparison, false};
}

std::string endName(MethodTrial::End end) {
    switch (end) {
        case MethodTrial::End::Finished:
            return "finished";
        case MethodTrial::End::Error:
            return "error";
        case MethodTrial::End::TickLimit:
            return "tick-limit";
        case MethodTrial::End::Cancelled:
            return "cancelled";
    }
    return "";
}

TARVO_TABLE_SUITE(TeachMethodFigures, "method-figures.tsv");

TEST_P(TeachMethodFigures, RunSumsItsFigures) {
    interp::Parameters p;
    p.dl = interp::readParameter(row()["dl"]);
    const auto limit = static_cast<std::uint64_t>(row().numberOr("limit", 100000));
    const MethodTrial t = runMethodTrial(row()["program"], p, choiceNamed(row()["method"]), limit);
    EXPECT_EQ(endName(t.end), row()["end"]);
    EXPECT_EQ(t.message, row()["shown"]);
    if (row()["steps"].empty()) return;
    const MethodFigures& f = t.figures;
    EXPECT_EQ(f.steps, row().as<std::uint64_t>("steps"));
    EXPECT_EQ(f.iterations, row().as<std::uint64_t>("iterations"));
    EXPECT_EQ(f.idle, row().as<std::uint64_t>("idle"));
    const std::vector<double> pulses = row().numbers("pulses");
    ASSERT_EQ(pulses.size(), 3u);
    for (int axis = 0; axis < 3; ++axis) EXPECT_EQ(f.pulses[axis], pulses[axis]) << axis;
    EXPECT_NEAR(f.largestDeviation, row().number("largest"), 5e-7);
    EXPECT_NEAR(f.meanDeviation, row().number("mean"), 5e-7);
    std::ostringstream fed;
    for (const std::uint8_t axes : t.fedAxes) fed << (fed.tellp() ? " " : "") << int(axes);
    if (!row()["fed"].empty()) {
        EXPECT_EQ(fed.str(), row()["fed"]);
    }
    // The staircase holds each segment's start and every step point.
    std::size_t points = 0;
    for (const auto& segment : t.path.segments) points += segment.size();
    EXPECT_EQ(points, f.steps + t.ideal.size());
}

}  // namespace
}  // namespace tarvo::teach
