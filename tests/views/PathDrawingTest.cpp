#include <gtest/gtest.h>

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

// Each step above the surface is one line per view in its move's colour, ending on the shown point.
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
        // Millimetres: Run shows the start point, then every step its own.
        ASSERT_FALSE(rig.panel.points.empty());
        const auto& start = rig.panel.points[0];
        EXPECT_EQ(std::vector({start.x, start.y, start.z}), std::vector<double>({0, 0, 60}));
        const std::vector points(rig.panel.points.begin() + 1, rig.panel.points.end());
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

// G01 Z-5 then X10: the plunge, the groove and a wall at each end below the surface, in order.
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

// A rapid below the surface leaves its groove one palette index below its colour.
TEST(StepDrawing, RapidBelowTheSurfaceLeavesAYellowGroove) {
    RecordingCanvas linez, linep;
    PathDrawing(linez, linep).step({0, 10, -10}, {10, 20, -10}, colour::brightWhite);
    ASSERT_EQ(linez.calls.size(), 2u);
    test::expectLine(linez.calls[1], {K * 10, -K * 10, K * 20 - 10, -K * 20, colour::yellow});
}

}  // namespace
}  // namespace tarvo::views
