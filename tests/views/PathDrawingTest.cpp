#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "views/Palette.h"
#include "views/PathDrawing.h"
#include "views/ViewRig.h"

namespace tarvo::views {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

constexpr double K = 0.7071;

struct Line {
    double x1, y1, x2, y2;
    int colour;
};

void expectLine(const RecordingCanvas::Call& got, const Line& want, double tolerance = 1e-3) {
    EXPECT_NEAR(got.x1, want.x1, tolerance) << got;
    EXPECT_NEAR(got.y1, want.y1, tolerance) << got;
    EXPECT_NEAR(got.x2, want.x2, tolerance) << got;
    EXPECT_NEAR(got.y2, want.y2, tolerance) << got;
    EXPECT_EQ(got.colour, want.colour) << got;
}

// What the engine drew after the axes of the last run.
std::vector<RecordingCanvas::Call> pathLines(const RecordingCanvas& canvas) {
    return canvas.lines(-1, canvas.lastOf(Kind::Label) + 1);
}

// G00 X10 Y10 from (0, 0, 60): X and Y step together, so the first step
// lands on (dlstep, dlstep) at Z 600 and is projected from there.
struct FirstStepCase {
    double dl;
    double u, v;
};

class FirstRapidStep : public ::testing::TestWithParam<FirstStepCase> {};

TEST_P(FirstRapidStep, StartsAtTheToolAndEndsOnTheFirstStepPoint) {
    test::ViewRig rig;
    rig.run("G00X10Y10\r\n", GetParam().dl);
    const auto lines = pathLines(rig.linez);
    ASSERT_FALSE(lines.empty());
    expectLine(lines.front(), {0, 600, GetParam().u, GetParam().v, colour::brightWhite});
}

INSTANTIATE_TEST_SUITE_P(PulseEquivalents, FirstRapidStep,
                         // Pulse equivalent 1 mm: to about (−2.93, 592.93).
                         ::testing::Values(FirstStepCase{1, K * 10 - 10, 600 - K * 10},
                                           FirstStepCase{10, K * 100 - 100, 600 - K * 100},
                                           FirstStepCase{0.1, K * 1 - 1, 600 - K * 1}));

// Above the surface each step is one line in each view, in the move's colour.
struct ColourCase {
    std::string name, program;
    int colour;
};

class StepColour : public ::testing::TestWithParam<ColourCase> {};

TEST_P(StepColour, EveryStepInBothViewsHasTheColourOfItsMove) {
    test::ViewRig rig;
    rig.run(GetParam().program);
    ASSERT_TRUE(rig.panel.messages.empty());
    const auto axo = pathLines(rig.linez);
    const auto plan = pathLines(rig.linep);
    ASSERT_FALSE(plan.empty());
    EXPECT_EQ(axo.size(), rig.panel.points.size());
    EXPECT_EQ(plan.size(), rig.panel.points.size());
    for (const auto& c : axo) EXPECT_EQ(c.colour, GetParam().colour) << c;
    for (const auto& c : plan) EXPECT_EQ(c.colour, GetParam().colour) << c;
}

INSTANTIATE_TEST_SUITE_P(Moves, StepColour,
                         ::testing::Values(ColourCase{"G00", "G00X10Y4\r\n", colour::brightWhite},
                                           ColourCase{"G01", "G01X10Y4\r\n", colour::yellow},
                                           ColourCase{"G02", "G02X20Y0I10J0\r\n", colour::yellow},
                                           ColourCase{"G03", "G03X20Y0I10J0\r\n", colour::yellow}),
                         [](const auto& test) { return test.param.name; });

// The plan view is one polyline from the origin through every step point;
// the axonometric view has a line per step ending on the same point projected.
TEST(StepDrawing, SampleProgramDrawsEveryStepPointInBothViews) {
    test::ViewRig rig;
    rig.run(test::sampleProgram);
    const auto& points = rig.panel.points;  // millimetres
    const auto plan = pathLines(rig.linep);
    const auto axo = pathLines(rig.linez);
    ASSERT_EQ(plan.size(), points.size());
    ASSERT_EQ(axo.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = points[i].x * 10, y = points[i].y * 10, z = points[i].z * 10;
        EXPECT_EQ(plan[i].kind, Kind::LineTo);
        EXPECT_FLOAT_EQ(plan[i].x2, static_cast<float>(x));
        EXPECT_FLOAT_EQ(plan[i].y2, static_cast<float>(y));
        EXPECT_NEAR(axo[i].x2, K * y - x, 1e-3);
        EXPECT_NEAR(axo[i].y2, z - K * y, 1e-3);
        if (i > 0) {
            // Each axonometric step starts where the previous one ended.
            EXPECT_FLOAT_EQ(axo[i].x1, axo[i - 1].x2);
            EXPECT_FLOAT_EQ(axo[i].y1, axo[i - 1].y2);
        }
    }
    EXPECT_EQ(plan.front().x1, 0.0f);
    EXPECT_EQ(plan.front().y1, 0.0f);
    EXPECT_EQ(plan.back().x2, -100.0f);
    EXPECT_EQ(plan.back().y2, -100.0f);
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
        expectLine(got[i], want[i]);
    }
    EXPECT_EQ(rig.linez.lines(colour::lightMagenta).size(), 5u + 10u);
}

// The step drawing on its own: the groove is drawn only strictly below the
// surface, one palette index below the step's colour.
struct GrooveCase {
    std::string name;
    motion::Point3 from, to;
    std::int16_t lcolor;
    std::optional<Line> groove;
};

class Groove : public ::testing::TestWithParam<GrooveCase> {};

TEST_P(Groove, FollowsTheStepOnTheSurface) {
    RecordingCanvas linez, linep;
    PathDrawing drawing(linez, linep);
    const GrooveCase& c = GetParam();
    drawing.step(c.from, c.to, c.lcolor);
    ASSERT_EQ(linez.calls.size(), c.groove ? 2u : 1u);
    if (c.groove) expectLine(linez.calls[1], *c.groove);
    EXPECT_NEAR(drawing.au, K * c.to.y - c.to.x, 1e-12);
    EXPECT_NEAR(drawing.av, c.to.z - K * c.to.y, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, Groove,
    ::testing::Values(
        GrooveCase{"RapidBelowIsYellow", {0, 0, -10}, {10, 0, -10}, 15, Line{0, 0, -10, 0, 14}},
        GrooveCase{"IntoTheSurface",
                   {0, 10, 0},
                   {0, 20, -10},
                   14,
                   Line{K * 10, -K * 10, K * 20, -K * 20, 13}},
        GrooveCase{"OntoTheSurface", {0, 0, -10}, {10, 0, 0}, 14, std::nullopt},
        GrooveCase{"Above", {0, 0, 10}, {10, 0, 10}, 15, std::nullopt}),
    [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace tarvo::views
