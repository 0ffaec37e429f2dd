#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "motion/EngineTrace.h"
#include "motion/Interpolator.h"
#include "motion/OutputByte.h"
#include "motion/StepDrawing.h"
#include "motion/StoredPath.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

struct ArcPoint {
    double x, y, fm;  // step point in internal units, deviation after the step
};

struct ArcCase {
    const char* name;
    std::string program;
    std::size_t segment;
    std::vector<ArcPoint> points;
};

class ArcSteps : public ::testing::TestWithParam<ArcCase> {};

// Point-by-point comparison: one step on one axis per step tick, chosen from
// the quadrant and the sign of the deviation, which is recomputed in full.
TEST_P(ArcSteps, FollowTheCircle) {
    const ArcCase& c = GetParam();
    TracedRun run(c.program);
    const test::SegmentRun& seg = run.segment(c.segment);
    std::vector<const test::EngineTick*> steps;
    for (const test::EngineTick& t : seg.ticks) {
        if (t.stepped()) steps.push_back(&t);
        EXPECT_EQ(t.zcur, 600);  // Z does not move on an arc
    }
    ASSERT_EQ(steps.size(), c.points.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i]->xcur, c.points[i].x) << "step " << i + 1;
        EXPECT_EQ(steps[i]->ycur, c.points[i].y) << "step " << i + 1;
        EXPECT_EQ(steps[i]->r.fm, c.points[i].fm) << "step " << i + 1;
    }
    EXPECT_EQ(seg.ticks.size(), 2 * steps.size() - 1);
}

// Centre (300, 200), radius 100, from (300, 100) to (400, 200).
const std::vector<ArcPoint> ccwQuarter{
    {300, 110, -1900}, {310, 110, -1800}, {320, 110, -1500}, {330, 110, -1000}, {340, 110, -300},
    {350, 110, 600},   {350, 120, -1100}, {360, 120, 0},     {360, 130, -1500}, {370, 130, -200},
    {380, 130, 1300},  {380, 140, 0},     {380, 150, -1100}, {390, 150, 600},   {390, 160, -300},
    {400, 160, 1600},  {400, 170, 900},   {400, 180, 400},   {400, 190, 100},   {400, 200, 0}};

// Centre (400, 300), radius 100, from (400, 200) to (300, 300).
const std::vector<ArcPoint> cwQuarter{
    {390, 200, 100},  {390, 210, -1800}, {380, 210, -1500}, {370, 210, -1000}, {360, 210, -300},
    {350, 210, 600},  {350, 220, -1100}, {340, 220, 0},     {340, 230, -1500}, {330, 230, -200},
    {320, 230, 1300}, {320, 240, 0},     {320, 250, -1100}, {310, 250, 600},   {310, 260, -300},
    {300, 260, 1600}, {300, 270, 900},   {300, 280, 400},   {300, 290, 100},   {300, 300, 0}};

INSTANTIATE_TEST_SUITE_P(SampleArcs, ArcSteps,
                         ::testing::Values(ArcCase{"CounterClockwise", test::sampleProgram, 3,
                                                   ccwQuarter},
                                           ArcCase{"Clockwise", test::sampleProgram, 4, cwQuarter}),
                         test::CaseName{});

// The tie-breaks, straight through the interpolator: a point on the circle
// counts as outside, a point level with the centre as in the upper half, a
// point above or below it as in the right half.
struct TieBreak {
    const char* name;
    Mode mode;
    double px, py;          // start relative to the centre, internal units
    double pxNext, pyNext;  // after one step
};

class ArcTieBreak : public ::testing::TestWithParam<TieBreak> {};

class NoDrawing : public StepDrawing {
public:
    void step(const Point3&, const Point3&, std::int16_t) override {}
    void wall(const Point3&, std::int16_t) override {}
};

TEST_P(ArcTieBreak, ChoosesTheStep) {
    const TieBreak& c = GetParam();
    test::RecordingPanel panel;
    OutputByte outdata(panel);
    StoredPath path;
    NoDrawing drawing;
    Interpolator engine(outdata, path, panel, drawing);
    Segment s;
    s.xs = 0, s.ys = 0, s.zs = 60;
    s.ic = c.px / 10, s.jc = c.py / 10;
    s.xe = s.xs - 2 * s.ic, s.ye = s.ys - 2 * s.jc, s.ze = 60;  // opposite side
    s.gmode = c.mode;
    Registers r;
    r.px = c.px, r.py = c.py, r.pz = 600, r.fm = 0;
    engine.startSegment();
    EXPECT_EQ(engine.tick(s, r, 10), SegmentState::Running);
    EXPECT_EQ(r.px, c.pxNext);
    EXPECT_EQ(r.py, c.pyNext);
    EXPECT_EQ(engine.xcur, -c.px + c.pxNext);
    EXPECT_EQ(engine.ycur, -c.py + c.pyNext);
    EXPECT_EQ(r.fm, c.pxNext * c.pxNext + c.pyNext * c.pyNext - 100 * 100);
    EXPECT_EQ(path.pathUpper(), 0u);  // Z 60 is above the work surface
}

INSTANTIATE_TEST_SUITE_P(
    AxisPoints, ArcTieBreak,
    ::testing::Values(TieBreak{"CwBelow", Mode::Clockwise, 0, -100, -10, -100},
                      TieBreak{"CcwBelow", Mode::CounterClockwise, 0, -100, 0, -90},
                      TieBreak{"CwRight", Mode::Clockwise, 100, 0, 100, -10},
                      TieBreak{"CcwRight", Mode::CounterClockwise, 100, 0, 90, 0},
                      TieBreak{"CwLeft", Mode::Clockwise, -100, 0, -90, 0},
                      TieBreak{"CcwLeft", Mode::CounterClockwise, -100, 0, -100, -10},
                      TieBreak{"CwAbove", Mode::Clockwise, 0, 100, 0, 90},
                      TieBreak{"CcwAbove", Mode::CounterClockwise, 0, 100, -10, 100}),
    test::CaseName{});

// Arcs in a row: the second starts from the first one's programmed end, on
// its own circle, with a deviation of 0.
TEST(CircularInterpolation, ArcsInARow) {
    TracedRun run("%\nG00X30Y10\nG03X40Y20I0J10\nG02X30Y30I0J10\n");
    EXPECT_EQ(run.segment(3).ticks[0].r.fm, 100);
    EXPECT_EQ(run.segment(3).ticks[0].xcur, 390);
    EXPECT_EQ(run.segment(3).last().xcur, 300);
    EXPECT_EQ(run.segment(3).last().ycur, 300);
    EXPECT_EQ(run.segment(3).last().r.fm, 0);  // cleared at the segment end
}

}  // namespace
}  // namespace tarvo::motion
