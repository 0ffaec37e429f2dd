#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "motion/StoredPath.h"
#include "support/PathLists.h"
#include "support/RecordingCanvas.h"
#include "views/MagnifiedView.h"
#include "views/Palette.h"

namespace tarvo::views {
namespace {

using test::Kind;
using test::RecordingCanvas;

using test::everything;

// n points of a cut at Z −50 and two walls, surface and wall bottoms moved apart from the path.
void recordCut(motion::StoredPath& path, int n) {
    for (int i = 1; i <= n; ++i) path.recordStep(10.0 * i, 5.0 * i, -50);
    path.recordWall(10, 5, -50);
    path.recordWall(10.0 * n, 5.0 * n, -50);
    path.keepSurface();
    for (std::size_t i = 1; i < path.surfx.size(); ++i) path.surfy[i] += 1000;
    for (std::size_t i = 1; i < path.wallx1.size(); ++i) path.wallx1[i] += 7;
}

class Magnified : public ::testing::Test {
protected:
    RecordingCanvas liner;
    MagnifiedView view{liner};
    motion::StoredPath path;

    void mode(DragMode m, double dlstep) {
        view.setMode(m, path, dlstep, 1);
        liner.calls.clear();
    }
    // A left-button drag from one position to another.
    void drag(float x0, float y0, float x1, float y1) {
        view.pointerMoved(path, Buttons::None, x0, y0, 1);
        view.pointerMoved(path, Buttons::LeftAlone, x1, y1, 1);
    }
};

// Scale, clear, path red and surface green through every rstep-th entry, walls green.
TEST(MagnifiedReplay, DrawsEveryRstepthPathAndSurfaceEntryAndEveryWall) {
    for (const auto& [bei, rstep, points] : {std::tuple<std::int16_t, std::int64_t, int>{1, 1, 5},
                                             {2, 3, 7},
                                             {4, 2, 6},
                                             {1, 40, 100},
                                             {1, 40, 1},
                                             {1, 3, 20000}}) {  // across list chunks
        SCOPED_TRACE(testing::Message() << "rstep " << rstep << " of " << points);
        RecordingCanvas liner, want;
        MagnifiedView view{liner};
        motion::StoredPath path;
        recordCut(path, points);
        view.rstep = rstep;
        view.drawnew(path, bei);

        want.setScale(0, float(500.0 / bei), float(500.0 / bei), 0);
        want.clear();
        for (const auto& [xs, ys, colour] :
             {std::tuple{&path.pathx, &path.pathy, colour::lightRed},
              std::tuple{&path.surfx, &path.surfy, colour::lightGreen}}) {
            want.plot(float((*xs)[1]), float((*ys)[1]));
            for (std::size_t i = 1; i <= path.pathUpper(); i += std::size_t(rstep)) {
                want.lineTo(float((*xs)[i]), float((*ys)[i]), colour);
            }
        }
        for (std::size_t i = 1; i <= path.wallUpper(); ++i) {
            want.line(float(path.wallx0[i]), float(path.wally0[i]), float(path.wallx1[i]),
                      float(path.wally1[i]), colour::lightGreen);
        }
        EXPECT_EQ(liner.calls, want.calls);
    }
}

// Only the replayed entries move, and the walls; no depth changes.
TEST_F(Magnified, PanMovesReplayedEntriesAndWallsAndRedraws) {
    recordCut(path, 7);
    mode(DragMode::Pan, 2.5);  // rstep 2: entries 1, 3, 5, 7
    ASSERT_EQ(view.rstep, 2);
    motion::StoredPath want;
    recordCut(want, 7);
    for (std::size_t i = 1; i <= 7; i += 2) {
        for (double* x : {&want.pathx[i], &want.surfx[i]}) *x += 10;
        for (double* y : {&want.pathy[i], &want.surfy[i]}) *y -= 5;
    }
    for (std::size_t i = 1; i <= 2; ++i) {
        for (double* x : {&want.wallx0[i], &want.wallx1[i]}) *x += 10;
        for (double* y : {&want.wally0[i], &want.wally1[i]}) *y -= 5;
    }
    drag(50, 50, 60, 45);
    EXPECT_EQ(everything(path), everything(want));
    EXPECT_EQ(liner.ofKind(Kind::Clear).size(), 1u);
    const auto red = liner.ofKind(Kind::Line, 0, colour::lightRed);
    ASSERT_EQ(red.size(), 4u);
    EXPECT_EQ(red[1].x2, float(want.pathx[3]));
    EXPECT_EQ(red[1].y2, float(want.pathy[3]));
}

// 600 units of drag turn 2·3.14159: sideways about the vertical, upwards +Y into −Z; turns add up.
TEST(MagnifiedTurn, TurnsPathSurfaceAndWalls) {
    struct Case {
        std::vector<std::pair<float, float>> pointer;  // from (0, 0) on
        motion::Point3 from, to, bottom;
    };
    const Case cases[] = {
        {{{150, 0}}, {100, 0, 0}, {1.3267949e-4, 0, -100}, {-39.9998673205, 0, -100.000053072}},
        {{{0, 150}}, {0, 100, 0}, {0, 1.3267949e-4, -100}, {0, -39.9998673205, -100.000053072}},
        {{{150, 0}, {300, 0}},
         {100, 0, 0},
         {-100, 0, -2.6535898e-4},
         {-100.000106143, 0, 39.9997346409}}};
    for (const Case& c : cases) {
        RecordingCanvas liner;
        MagnifiedView view{liner};
        motion::StoredPath path;
        path.recordStep(c.from.x, c.from.y, c.from.z);
        path.recordWall(c.from.x, c.from.y, c.from.z - 40);
        view.setMode(DragMode::Rotate, path, 10, 1);
        for (const auto& [x, y] : c.pointer) view.pointerMoved(path, Buttons::LeftAlone, x, y, 1);
        const auto lists = everything(path);  // x, y, z of path, surface, wall top, wall bottom
        for (std::size_t i = 0; i < lists.size(); ++i) {
            const motion::Point3& p = i < 9 ? c.to : c.bottom;
            const double want[] = {p.x, p.y, p.z};
            EXPECT_NEAR(lists[i][1], want[i % 3], 1e-7) << "list " << i << ", " << c.from.x;
        }
    }
}

// With nothing recorded, or without the left button alone, a move only follows the pointer.
TEST_F(Magnified, MovesThatLeaveThePictureAloneOnlyFollowThePointer) {
    mode(DragMode::Pan, 10);
    drag(25, 35, 60, 45);
    EXPECT_TRUE(liner.calls.empty());
    recordCut(path, 4);
    const auto before = everything(path);
    for (const Buttons buttons : {Buttons::None, Buttons::Other}) {
        view.pointerMoved(path, buttons, 45, -15, 1);
        EXPECT_TRUE(liner.calls.empty() && everything(path) == before);
        EXPECT_EQ(view.lastx, 45);
    }
}

// Pan and Rotate show the magnified view, one point per 4 internal units (halves to even).
TEST(MagnifiedModes, ShowTheCutWithTheStrideOfTheRun) {
    for (const auto& [pan, dl, rstep] : {std::tuple<bool, double, std::int64_t>{true, 0.01, 40},
                                         {false, 0.25, 2},
                                         {true, 0.8, 1},
                                         {false, 0.1, 4}}) {
        SCOPED_TRACE(testing::Message() << "pulse equivalent " << dl);
        test::ViewRig rig;
        rig.run("G01Z-4\r\nG01X8Y4\r\n", dl, 2);
        ASSERT_TRUE(rig.panel.messages.empty());
        rig.liner.calls.clear();
        pan ? rig.machine.panmode() : rig.machine.rotmode();

        EXPECT_TRUE(rig.liner.shown && !rig.linep.shown && !rig.linez.shown);
        EXPECT_EQ(rig.machine.views().shown(), View::Magnified);
        EXPECT_EQ(rig.machine.views().magnified().rstep, rstep);
        const std::size_t scale = rig.liner.lastOf(Kind::Scale);
        EXPECT_EQ(rig.liner.calls.at(scale).x2, 250.0f);
        const std::size_t n = (rig.machine.path().pathUpper() - 1) / std::size_t(rstep) + 1;
        EXPECT_EQ(rig.liner.ofKind(Kind::Line, 0, colour::lightRed).size(), n);
        EXPECT_EQ(rig.liner.ofKind(Kind::Line, 0, colour::lightGreen).size(), n + 2);  // walls
    }
}

}  // namespace
}  // namespace tarvo::views
