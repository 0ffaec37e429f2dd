#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "motion/StoredPath.h"
#include "views/MagnifiedView.h"
#include "views/Palette.h"
#include "views/ViewRig.h"

namespace tarvo::views {
namespace {

using test::RecordingCanvas;
using Kind = RecordingCanvas::Kind;
using Call = RecordingCanvas::Call;

class Magnified : public ::testing::Test {
protected:
    RecordingCanvas liner;
    MagnifiedView view{liner};
    motion::StoredPath path;

    // n points of a cut at Z −50 with a wall edge at each end. The surface
    // and the wall bottoms are moved off their path points, as a turn would,
    // so that every list can be told apart in what is drawn.
    void recordCut(int n) {
        for (int i = 1; i <= n; ++i) path.recordStep(10.0 * i, 5.0 * i, -50);
        path.recordWall(10, 5, -50);
        path.recordWall(10.0 * n, 5.0 * n, -50);
        for (std::size_t i = 1; i < path.surfx.size(); ++i) path.surfy[i] += 1000;
        for (std::size_t i = 1; i < path.wallx1.size(); ++i) path.wallx1[i] += 7;
    }
    void mode(DragMode m, double dlstep) {
        view.setMode(m, path, dlstep, 1);
        liner.forget();
    }
    // A left-button drag from one position to another.
    void drag(float x0, float y0, float x1, float y1) {
        view.pointerMoved(path, 0, x0, y0, 1);
        view.pointerMoved(path, 1, x1, y1, 1);
    }
};

Call plotAt(double x, double y) {
    return {Kind::Plot, float(x), float(y), float(x), float(y)};
}
Call lineToAt(double x, double y, int colour) {
    return {Kind::LineTo, 0, 0, float(x), float(y), colour};
}

void expectCalls(const std::vector<Call>& got, const std::vector<Call>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i));
        EXPECT_EQ(got[i].kind, want[i].kind);
        if (want[i].kind != Kind::LineTo) {  // a lineTo starts wherever the last call ended
            EXPECT_EQ(got[i].x1, want[i].x1);
            EXPECT_EQ(got[i].y1, want[i].y1);
        }
        EXPECT_EQ(got[i].x2, want[i].x2);
        EXPECT_EQ(got[i].y2, want[i].y2);
        EXPECT_EQ(got[i].colour, want[i].colour);
    }
}

struct ReplayCase {
    std::int16_t bei;
    std::int64_t rstep;
    int points;
};

class Replay : public Magnified, public ::testing::WithParamInterface<ReplayCase> {};

TEST_P(Replay, DrawsEveryRstepthPathAndSurfaceEntryAndEveryWall) {
    const ReplayCase c = GetParam();
    recordCut(c.points);
    view.rstep = c.rstep;
    view.drawnew(path, c.bei);

    const float edge = float(500.0 / c.bei);
    std::vector<Call> want{{Kind::Scale, 0, edge, edge, 0}, {Kind::Clear}};
    want.push_back(plotAt(path.pathx[1], path.pathy[1]));
    for (std::size_t i = 1; i <= path.pathUpper(); i += c.rstep) {
        want.push_back(lineToAt(path.pathx[i], path.pathy[i], colour::lightRed));
    }
    want.push_back(plotAt(path.surfx[1], path.surfy[1]));
    for (std::size_t i = 1; i <= path.pathUpper(); i += c.rstep) {
        want.push_back(lineToAt(path.surfx[i], path.surfy[i], colour::lightGreen));
    }
    for (std::size_t i = 1; i <= path.wallUpper(); ++i) {
        want.push_back({Kind::Line, float(path.wallx0[i]), float(path.wally0[i]),
                        float(path.wallx1[i]), float(path.wally1[i]), colour::lightGreen});
    }
    expectCalls(liner.calls, want);
}

INSTANTIATE_TEST_SUITE_P(Strides, Replay,
                         ::testing::Values(ReplayCase{1, 1, 5}, ReplayCase{2, 3, 7},
                                           ReplayCase{4, 2, 6}, ReplayCase{1, 40, 100},
                                           ReplayCase{1, 40, 1}));

TEST_F(Magnified, NothingRecordedOnlyClears) {
    view.drawnew(path, 1);
    expectCalls(liner.calls, {{Kind::Scale, 0, 500, 500, 0}, {Kind::Clear}});
    liner.forget();
    view.setMode(DragMode::Rotate, path, 10, 1);
    EXPECT_EQ(liner.ofKind(Kind::Clear).size(), 1u);
    EXPECT_TRUE(liner.lines().empty());
    EXPECT_TRUE(liner.ofKind(Kind::Plot).empty());
}

TEST_F(Magnified, PanMovesReplayedEntriesAndWallsButNoDepth) {
    recordCut(7);
    mode(DragMode::Pan, 2.5);  // rstep 2: entries 1, 3, 5, 7
    ASSERT_EQ(view.rstep, 2);
    const motion::StoredPath before = path;
    drag(50, 50, 60, 45);

    for (std::size_t i = 1; i <= 7; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const bool replayed = i % 2 == 1;
        const double dx = replayed ? 10 : 0, dy = replayed ? -5 : 0;
        EXPECT_DOUBLE_EQ(path.pathx[i], before.pathx[i] + dx);
        EXPECT_DOUBLE_EQ(path.pathy[i], before.pathy[i] + dy);
        EXPECT_DOUBLE_EQ(path.surfx[i], before.surfx[i] + dx);
        EXPECT_DOUBLE_EQ(path.surfy[i], before.surfy[i] + dy);
        EXPECT_EQ(path.pathz[i], before.pathz[i]);
        EXPECT_EQ(path.surfz[i], before.surfz[i]);
    }
    for (std::size_t i = 1; i <= 2; ++i) {
        EXPECT_DOUBLE_EQ(path.wallx0[i], before.wallx0[i] + 10);
        EXPECT_DOUBLE_EQ(path.wally0[i], before.wally0[i] - 5);
        EXPECT_DOUBLE_EQ(path.wallx1[i], before.wallx1[i] + 10);
        EXPECT_DOUBLE_EQ(path.wally1[i], before.wally1[i] - 5);
        EXPECT_EQ(path.wallz0[i], before.wallz0[i]);
        EXPECT_EQ(path.wallz1[i], before.wallz1[i]);
    }
    // Redrawn at once from the moved entries.
    EXPECT_EQ(liner.ofKind(Kind::Clear).size(), 1u);
    const auto red = liner.lines(colour::lightRed);
    ASSERT_EQ(red.size(), 4u);
    EXPECT_EQ(red[1].x2, float(path.pathx[3]));
    EXPECT_EQ(red[1].y2, float(before.pathy[3] - 5));
}

// A horizontal drag turns about the view's vertical axis; 600 units make a
// whole turn of 2·3.14159, so 150 units are a little short of a right angle.
TEST_F(Magnified, HorizontalDragOf150TurnsAWallEndOntoTheOrigin) {
    path.recordStep(0, 0, -10);
    path.recordWall(100, 0, -40);
    mode(DragMode::Rotate, 10);
    drag(0, 0, 150, 0);

    // 100·cos(1.570795): a true quarter turn would leave nothing.
    EXPECT_NEAR(path.wallx0[1], 1.3268e-4, 1e-7);
    EXPECT_NEAR(path.wally0[1], 0, 1e-12);
    EXPECT_NEAR(path.wallz0[1], -100, 1e-6);
    EXPECT_NEAR(path.wallx1[1], -40, 1e-3);
    EXPECT_NEAR(path.wallz1[1], -100, 1e-3);
    const auto walls = liner.ofKind(Kind::Line);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_NEAR(walls[0].x1, 0, 1e-3);
    EXPECT_NEAR(walls[0].y1, 0, 1e-3);
}

// Dragging upwards tilts the far side of the picture (+Y) down into −Z and
// brings the bottom of a wall towards the viewer's −Y.
TEST_F(Magnified, UpwardDragTurnsByANegativeAngle) {
    path.recordStep(0, 100, 0);
    path.recordWall(0, 0, -40);
    mode(DragMode::Rotate, 10);
    drag(0, 0, 0, 150);
    EXPECT_NEAR(path.pathx[1], 0, 1e-12);
    EXPECT_NEAR(path.pathy[1], 0, 1e-3);
    EXPECT_NEAR(path.pathz[1], -100, 1e-6);
    EXPECT_NEAR(path.surfz[1], -100, 1e-6);
    EXPECT_NEAR(path.wally1[1], -40, 1e-6);
    EXPECT_NEAR(path.wallz1[1], 0, 1e-3);
}

TEST_F(Magnified, TurnsAddUp) {
    path.recordStep(100, 0, 0);
    mode(DragMode::Rotate, 10);
    drag(0, 0, 150, 0);
    view.pointerMoved(path, 1, 300, 0, 1);  // the same drag goes on
    EXPECT_NEAR(path.pathx[1], -100, 1e-6);
    EXPECT_NEAR(path.pathz[1], 0, 1e-3);
}

// Moves that leave the picture alone still follow the pointer; without a
// mode even a drag does nothing else.
enum class Move { NoButton, RightButton, BothButtons, LeftButtonStandingStill, LeftButtonMoving };

class IgnoredMove : public Magnified,
                    public ::testing::WithParamInterface<std::tuple<DragMode, Move>> {};

TEST_P(IgnoredMove, OnlyUpdatesThePointerPosition) {
    const auto [dragMode, move] = GetParam();
    recordCut(4);
    if (dragMode != DragMode::None) mode(dragMode, 10);
    view.pointerMoved(path, 0, 20, 30, 1);
    const motion::StoredPath before = path;

    const int buttons = move == Move::NoButton      ? 0
                        : move == Move::RightButton ? 2
                        : move == Move::BothButtons ? 3
                                                    : 1;
    const float x = move == Move::LeftButtonStandingStill ? 20 : 45;
    const float y = move == Move::LeftButtonStandingStill ? 30 : -15;
    view.pointerMoved(path, buttons, x, y, 1);

    EXPECT_TRUE(liner.calls.empty());
    EXPECT_EQ(path.pathx, before.pathx);
    EXPECT_EQ(path.pathy, before.pathy);
    EXPECT_EQ(path.pathz, before.pathz);
    EXPECT_EQ(path.surfy, before.surfy);
    EXPECT_EQ(path.wallx1, before.wallx1);
    EXPECT_EQ(path.wallz1, before.wallz1);
    EXPECT_EQ(view.lastx, x);
    EXPECT_EQ(view.lasty, y);
}

INSTANTIATE_TEST_SUITE_P(Moves, IgnoredMove,
                         ::testing::Combine(::testing::Values(DragMode::Pan, DragMode::Rotate),
                                            ::testing::Values(Move::NoButton, Move::RightButton,
                                                              Move::BothButtons,
                                                              Move::LeftButtonStandingStill)));
INSTANTIATE_TEST_SUITE_P(NoMode, IgnoredMove,
                         ::testing::Combine(::testing::Values(DragMode::None),
                                            ::testing::Values(Move::LeftButtonMoving)));

TEST_F(Magnified, WhileNothingIsRecordedPointerMovesAreIgnoredEntirely) {
    mode(DragMode::Pan, 10);
    drag(25, 35, 60, 45);
    EXPECT_TRUE(liner.calls.empty());
    EXPECT_EQ(view.lastx, 0.0);
    EXPECT_EQ(view.lasty, 0.0f);
}

// One replayed point per 4 internal units of path, halves rounded to even.
struct StrideCase {
    double dl;  // pulse equivalent, mm
    std::int64_t rstep;
};

class Stride : public ::testing::TestWithParam<StrideCase> {};

TEST_P(Stride, FollowsThePulseEquivalentOfTheRun) {
    test::ViewRig rig;
    rig.run("G01Z-1\r\n", GetParam().dl);
    rig.machine.panmode();
    EXPECT_EQ(rig.machine.views().magnified().rstep, GetParam().rstep);
    EXPECT_EQ(MagnifiedView::strideFor(GetParam().dl * 10), GetParam().rstep);

    const std::size_t n = rig.machine.path().pathUpper();
    ASSERT_GT(n, 0u);
    const std::size_t replayed = (n - 1) / static_cast<std::size_t>(GetParam().rstep) + 1;
    EXPECT_EQ(rig.liner.lines(colour::lightRed).size(), replayed);
    EXPECT_EQ(rig.liner.lines(colour::lightGreen).size(), replayed + 1);  // and the wall
}

INSTANTIATE_TEST_SUITE_P(PulseEquivalents, Stride,
                         ::testing::Values(StrideCase{0.01, 40}, StrideCase{0.1, 4},
                                           StrideCase{0.25, 2}, StrideCase{0.8, 1},
                                           StrideCase{1, 1}));

// Before any turn the surface lies exactly over the path and every wall has
// no length: the view is a plan of the cut.
TEST(MagnifiedCut, UntouchedCutShowsAsAPlan) {
    test::ViewRig rig;
    rig.run("G01Z-5\r\nG01X10Y3\r\n");
    rig.machine.panmode();
    const auto red = rig.liner.lines(colour::lightRed);
    const auto green = rig.liner.ofKind(Kind::LineTo, rig.liner.lastOf(Kind::Plot));
    ASSERT_EQ(green.size(), red.size());
    for (std::size_t i = 0; i < red.size(); ++i) {
        EXPECT_EQ(green[i].colour, colour::lightGreen);
        EXPECT_EQ(green[i].x2, red[i].x2);
        EXPECT_EQ(green[i].y2, red[i].y2);
    }
    const auto walls = rig.liner.ofKind(Kind::Line);
    ASSERT_EQ(walls.size(), 2u);
    for (const auto& w : walls) {
        EXPECT_EQ(w.x1, w.x2);
        EXPECT_EQ(w.y1, w.y2);
        EXPECT_EQ(w.colour, colour::lightGreen);
    }
}

struct ModeCase {
    std::string name;
    void (interp::Machine::*operation)();
    Pointer pointer;
    DragMode rmode;
};

class ModeOperation : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeOperation, ShowsTheMagnifiedViewSetsThePointerAndRedraws) {
    test::ViewRig rig;
    rig.run("G01Z-1\r\n", 1, 2);
    rig.liner.forget();
    (rig.machine.*GetParam().operation)();

    EXPECT_TRUE(rig.liner.shown);
    EXPECT_FALSE(rig.linep.shown);
    EXPECT_FALSE(rig.linez.shown);
    EXPECT_EQ(rig.machine.views().shown(), View::Magnified);
    EXPECT_EQ(rig.liner.pointerShape, GetParam().pointer);
    EXPECT_EQ(rig.machine.views().magnified().rmode, GetParam().rmode);
    // The redraw comes last, at the magnification of the run.
    const std::size_t scale = rig.liner.lastOf(Kind::Scale);
    EXPECT_LT(rig.liner.lastOf(Kind::Pointer), scale);
    EXPECT_EQ(rig.liner.calls.at(scale).x2, 250.0f);
    EXPECT_EQ(rig.liner.calls.at(scale + 1).kind, Kind::Clear);
    EXPECT_FALSE(rig.liner.lines(colour::lightRed).empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeOperation,
                         ::testing::Values(ModeCase{"Pan", &interp::Machine::panmode, Pointer::Hand,
                                                    DragMode::Pan},
                                           ModeCase{"Rotate", &interp::Machine::rotmode,
                                                    Pointer::Cross, DragMode::Rotate}),
                         [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace tarvo::views
