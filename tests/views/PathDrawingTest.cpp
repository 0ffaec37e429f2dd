#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/RecordingCanvas.h"
#include "views/Palette.h"
#include "views/PathDrawing.h"

namespace tarvo::views {
namespace {

using test::K;
using test::Kind;
using test::Line;
using test::RecordingCanvas;

// What the engine drew after the axes of the last run.
std::vector<RecordingCanvas::Call> pathLines(const RecordingCanvas& view) {
    return view.ofKind(Kind::Line, view.lastOf(Kind::Label) + 1);
}

// G00 X10 Y10 from (0, 0, 60) with steps of 1 mm: X and Y step together, so
// the first step ends on (10, 10, 600) projected.
TEST(StepDrawing, FirstRapidStepStartsAtTheTool) {
    test::ViewRig rig;
    rig.run("G00X10Y10\r\n");
    test::expectLine(pathLines(rig.linez).at(0), {0, 600, -2.929, 592.929, colour::brightWhite});
}

// Above the surface each step is one line in each view, in the colour of its
// move (none given: mixed), ending on the point the panel shows: in the plan
// view one polyline from the origin, in the axonometric view lines that join.
TEST(StepDrawing, StepsLandOnTheShownPointsInTheColourOfTheirMove) {
    for (const auto& [program, colour] : {std::pair{"G00X10Y4", colour::brightWhite},
                                          {"G01X10Y4", colour::yellow},
                                          {"G02X20Y0I10J0", colour::yellow},
                                          {"G03X20Y0I10J0", colour::yellow},
                                          {test::sampleProgram.c_str(), -1}}) {
        SCOPED_TRACE(program);
        test::ViewRig rig;
        rig.run(std::string(program) + "\r\n");
        ASSERT_TRUE(rig.panel.messages.empty());
        const auto& points = rig.panel.points;  // millimetres
        const auto plan = pathLines(rig.linep), axo = pathLines(rig.linez);
        ASSERT_FALSE(points.empty());
        ASSERT_EQ(plan.size(), points.size());
        ASSERT_EQ(axo.size(), points.size());
        EXPECT_EQ(plan[0].x1, 0.0f);
        EXPECT_EQ(plan[0].y1, 0.0f);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const double x = points[i].x * 10, y = points[i].y * 10, z = points[i].z * 10;
            EXPECT_EQ(plan[i].kind, Kind::LineTo);
            EXPECT_FLOAT_EQ(plan[i].x2, static_cast<float>(x));
            EXPECT_FLOAT_EQ(plan[i].y2, static_cast<float>(y));
            EXPECT_NEAR(axo[i].x2, K * y - x, 1e-3);
            EXPECT_NEAR(axo[i].y2, z - K * y, 1e-3);
            EXPECT_EQ(axo[i].x1, i > 0 ? axo[i - 1].x2 : 0.0f);
            EXPECT_EQ(axo[i].y1, i > 0 ? axo[i - 1].y2 : 600.0f);
            EXPECT_TRUE(colour < 0 || (plan[i].colour == colour && axo[i].colour == colour));
        }
    }
}

// G01 Z-5 then G01 X10 with steps of 1 mm: the plunge from Z 600 to Z −50,
// the groove along X, and a wall edge at each segment end below the surface.
// Every line of the axonometric view, in order.
TEST(StepDrawing, CutBelowTheSurfaceDrawsGrooveAndWalls) {
    test::ViewRig rig;
    rig.run("G01Z-5\r\nG01X10\r\n");
    std::vector<Line> want;
    for (double z = 590; z >= -50; z -= 10) {
        want.push_back({0, z + 10, 0, z, colour::yellow});
        // Straight down the groove has no length; none at exactly Z 0.
        if (z < 0) want.push_back({0, 0, 0, 0, colour::lightMagenta});
    }
    want.push_back({0, 0, 0, -50, colour::yellow});  // wall at (0, 0)
    for (double x = 10; x <= 100; x += 10) {
        want.push_back({-(x - 10), -50, -x, -50, colour::yellow});
        want.push_back({-(x - 10), 0, -x, 0, colour::lightMagenta});
    }
    want.push_back({-100, 0, -100, -50, colour::yellow});  // wall at (100, 0)

    const auto got = pathLines(rig.linez);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        EXPECT_EQ(got[i].kind, Kind::Line);
        test::expectLine(got[i], want[i]);
    }
}

// One step on its own: a rapid below the surface leaves its groove on the
// surface one palette index below its colour, projected as the step is.
TEST(StepDrawing, RapidBelowTheSurfaceLeavesAYellowGroove) {
    RecordingCanvas linez, linep;
    PathDrawing(linez, linep).step({0, 10, -10}, {10, 20, -10}, colour::brightWhite);
    ASSERT_EQ(linez.calls.size(), 2u);
    test::expectLine(linez.calls[1], {K * 10, -K * 10, K * 20 - 10, -K * 20, colour::yellow});
}

}  // namespace
}  // namespace tarvo::views
