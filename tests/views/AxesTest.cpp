#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "views/Palette.h"
#include "views/ViewRig.h"
#include "views/Views.h"

namespace tarvo::views {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

constexpr double K = 0.7071;

// An axis line in units before the magnification divides them; along the
// axonometric Y axis both coordinates are then multiplied by K.
struct AxisLine {
    double x1, y1, x2, y2;
    bool alongY = false;
};

struct AxisLabel {
    int left, top;
    std::string caption;
};

const std::array<AxisLine, 9> axonometricAxes{{
    {0, 0, 0, 650},  // Z
    {0, 650, -10, 620},
    {0, 650, 10, 620},
    {0, 0, -650, 0},  // X, to the left
    {-650, 0, -620, 10},
    {-650, 0, -620, -10},
    {0, 0, 650, -650, true},  // Y, down to the right
    {650, -650, 620, -640, true},
    {650, -650, 640, -620, true},
}};

const std::array<AxisLine, 6> planAxes{{
    {0, 750, 0, -750},
    {10, 720, 0, 750},
    {-10, 720, 0, 750},
    {-750, 0, 750, 0},
    {750, 0, 720, 10},
    {750, 0, 720, -10},
}};

const std::vector<AxisLabel> axonometricLabels{
    {360, 3600, "X"}, {5880, 5640, "Y"}, {4080, 480, "Z"}, {4060, 3688, "0"}};
const std::vector<AxisLabel> planLabels{{6840, 3720, "X"}, {3800, 300, "Y"}, {3840, 3720, "0"}};

float at(double c, const AxisLine& l, int bei) {
    return static_cast<float>(l.alongY ? (c / bei) * K : c / bei);
}

void expectScale(const RecordingCanvas::Call& c, double l, double t, double r, double b) {
    ASSERT_EQ(c.kind, Kind::Scale);
    EXPECT_FLOAT_EQ(c.x1, static_cast<float>(l));
    EXPECT_FLOAT_EQ(c.y1, static_cast<float>(t));
    EXPECT_FLOAT_EQ(c.x2, static_cast<float>(r));
    EXPECT_FLOAT_EQ(c.y2, static_cast<float>(b));
}

template <std::size_t N>
void expectAxes(const std::vector<RecordingCanvas::Call>& calls, std::size_t first,
                const std::array<AxisLine, N>& axes, int bei) {
    for (std::size_t i = 0; i < N; ++i) {
        SCOPED_TRACE("axis line " + std::to_string(i + 1));
        const auto& c = calls.at(first + i);
        ASSERT_EQ(c.kind, Kind::Line);
        EXPECT_FLOAT_EQ(c.x1, at(axes[i].x1, axes[i], bei));
        EXPECT_FLOAT_EQ(c.y1, at(axes[i].y1, axes[i], bei));
        EXPECT_FLOAT_EQ(c.x2, at(axes[i].x2, axes[i], bei));
        EXPECT_FLOAT_EQ(c.y2, at(axes[i].y2, axes[i], bei));
        EXPECT_EQ(c.colour, colour::brightWhite);
    }
}

void expectLabels(const std::vector<RecordingCanvas::Call>& calls, std::size_t first,
                  const std::vector<AxisLabel>& labels) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const auto& c = calls.at(first + i);
        ASSERT_EQ(c.kind, Kind::Label);
        EXPECT_EQ(c.left, labels[i].left);
        EXPECT_EQ(c.top, labels[i].top);
        EXPECT_EQ(c.caption, labels[i].caption);
    }
}

class Drawxyz : public ::testing::TestWithParam<int> {
protected:
    RecordingCanvas linez, linep, liner;
    Views views{linez, linep, liner};
    int bei = GetParam();

    void SetUp() override {
        linez.forget();
        linep.forget();
        liner.forget();
        views.drawxyz(static_cast<std::int16_t>(bei));
    }
};

TEST_P(Drawxyz, AxonometricViewGetsItsScaleNineAxisLinesAndFourLabels) {
    const auto& calls = linez.calls;
    ASSERT_EQ(calls.size(), 1u + 1u + 9u + 4u);
    EXPECT_EQ(calls[0].kind, Kind::Clear);
    expectScale(calls[1], -700.0 / bei, 700.0 / bei, 600.0 / bei, -600.0 / bei);
    expectAxes(calls, 2, axonometricAxes, bei);
    expectLabels(calls, 11, axonometricLabels);
}

TEST_P(Drawxyz, PlanViewGetsItsScaleSixAxisLinesThreeLabelsAndTheOriginAsPosition) {
    const auto& calls = linep.calls;
    ASSERT_EQ(calls.size(), 1u + 1u + 6u + 3u + 1u);
    EXPECT_EQ(calls[0].kind, Kind::Clear);
    expectScale(calls[1], -800.0 / bei, 800.0 / bei, 800.0 / bei, -800.0 / bei);
    expectAxes(calls, 2, planAxes, bei);
    expectLabels(calls, 8, planLabels);
    EXPECT_EQ(calls[11].kind, Kind::Plot);
    EXPECT_EQ(calls[11].x1, 0.0f);
    EXPECT_EQ(calls[11].y1, 0.0f);
}

// The axes are divided by the magnification exactly as the scale is, so on
// the screen they stand where they stand with a magnification of 1.
TEST_P(Drawxyz, AxesLandOnTheSameScreenPositionsAsWithoutMagnification) {
    RecordingCanvas z1, p1, r1;
    Views plain(z1, p1, r1);
    plain.drawxyz(1);
    const auto same = [](const RecordingCanvas& magnified, const RecordingCanvas& unmagnified) {
        const auto m = magnified.ofKind(Kind::Scale).at(0),
                   u = unmagnified.ofKind(Kind::Scale).at(0);
        const auto ml = magnified.ofKind(Kind::Line), ul = unmagnified.ofKind(Kind::Line);
        ASSERT_EQ(ml.size(), ul.size());
        for (std::size_t i = 0; i < ml.size(); ++i) {
            EXPECT_NEAR(test::across(ml[i].x1, m.x1, m.x2), test::across(ul[i].x1, u.x1, u.x2),
                        1e-6);
            EXPECT_NEAR(test::across(ml[i].y1, m.y1, m.y2), test::across(ul[i].y1, u.y1, u.y2),
                        1e-6);
            EXPECT_NEAR(test::across(ml[i].x2, m.x1, m.x2), test::across(ul[i].x2, u.x1, u.x2),
                        1e-6);
            EXPECT_NEAR(test::across(ml[i].y2, m.y1, m.y2), test::across(ul[i].y2, u.y1, u.y2),
                        1e-6);
        }
    };
    same(linez, z1);
    same(linep, p1);
}

INSTANTIATE_TEST_SUITE_P(Magnifications, Drawxyz, ::testing::Values(1, 2, 3, 10));

// A path is drawn in internal units, so a magnification of 2 shows it twice
// as far from the origin on the screen.
TEST(ViewsInARun, MagnificationEnlargesThePathButNotTheAxes) {
    double reach[2] = {};
    for (int bei : {1, 2}) {
        test::ViewRig rig;
        rig.run("G01X10Y5\r\n", 1, static_cast<std::int16_t>(bei));
        const auto scale = rig.linep.ofKind(Kind::Scale).back();
        const auto path = rig.linep.ofKind(Kind::LineTo);
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(path.back().x2, 100.0f);
        reach[bei - 1] = test::across(path.back().x2, scale.x1, scale.x2) - 0.5;
    }
    EXPECT_NEAR(reach[1], 2 * reach[0], 1e-9);
    EXPECT_NEAR(reach[0], 100.0 / 1600, 1e-9);
}

// The first run leaves the plan view's drawing position at its last point;
// the second run's axes must put it back on the origin, where the tool starts,
// and wipe the first run's path.
TEST(ViewsInARun, EachRunClearsThePathAndStartsThePlanPolylineAtTheOrigin) {
    test::ViewRig rig;
    rig.run("G01X30Y20\r\n");
    ASSERT_EQ(rig.linep.currentX, 300.0f);
    rig.run("G01X-10Y5\r\n");

    const std::size_t cleared = rig.linep.lastOf(Kind::Clear);
    const auto path = rig.linep.ofKind(Kind::LineTo, cleared);
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front().x1, 0.0f);
    EXPECT_EQ(path.front().y1, 0.0f);
    for (const auto& step : path) {
        EXPECT_LE(step.x2, 0.0f);  // only the second run's path, which goes to -X
        EXPECT_GE(step.y2, 0.0f);
    }
    EXPECT_EQ(path.back().x2, -100.0f);
    EXPECT_EQ(path.back().y2, 50.0f);
    // In the axonometric view too: the first run's steps went to negative u.
    for (const auto& step : rig.linez.lines(colour::yellow, rig.linez.lastOf(Kind::Clear))) {
        EXPECT_GE(step.x2, 0.0f) << step;
    }
}

TEST(ViewsInARun, RunSelectsAndShowsThePlanViewBeforeDrawingTheAxes) {
    test::ViewRig rig;
    rig.machine.rotmode();  // the magnified view is showing
    ASSERT_TRUE(rig.liner.shown);
    rig.linep.forget();
    rig.run("G01X10\r\n");

    EXPECT_EQ(rig.panel.option, View::Plan);
    EXPECT_TRUE(rig.linep.shown);
    EXPECT_FALSE(rig.linez.shown);
    EXPECT_FALSE(rig.liner.shown);
    EXPECT_EQ(rig.machine.views().shown(), View::Plan);
    EXPECT_LT(rig.linep.lastOf(Kind::Visible), rig.linep.lastOf(Kind::Clear));
}

}  // namespace
}  // namespace tarvo::views
