#include <gtest/gtest.h>

#include <tuple>

#include "motion/StoredPath.h"
#include "support/PathLists.h"
#include "support/RecordingCanvas.h"
#include "support/TableFile.h"
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

TARVO_TABLE_SUITE(MagnifiedReplay, "magnified-replay.tsv");
TARVO_TABLE_SUITE(MagnifiedTurn, "magnified-turn.tsv");
TARVO_TABLE_SUITE(MagnifiedModes, "magnified-modes.tsv");

TEST_P(MagnifiedReplay, DrawsEveryRstepthPathAndSurfaceEntryAndEveryWall) {
    const auto bei = row().as<std::int16_t>("bei");
    RecordingCanvas liner, want;
    MagnifiedView view{liner};
    motion::StoredPath path;
    recordCut(path, row().as<int>("points"));
    view.rstep = row().as<std::int64_t>("rstep");
    view.drawnew(path, bei);

    want.setScale(0, float(500.0 / bei), float(500.0 / bei), 0);
    want.clear();
    for (const auto& [xs, ys, colour] :
         {std::tuple{&path.pathx, &path.pathy, colour::lightRed},
          std::tuple{&path.surfx, &path.surfy, colour::lightGreen}}) {
        want.plot(float((*xs)[1]), float((*ys)[1]));
        for (std::size_t i = 1; i <= path.pathUpper(); i += std::size_t(view.rstep)) {
            want.lineTo(float((*xs)[i]), float((*ys)[i]), colour);
        }
    }
    for (std::size_t i = 1; i <= path.wallUpper(); ++i) {
        want.line(float(path.wallx0[i]), float(path.wally0[i]), float(path.wallx1[i]),
                  float(path.wally1[i]), colour::lightGreen);
    }
    EXPECT_EQ(liner.calls, want.calls);
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

TEST_P(MagnifiedTurn, TurnsPathSurfaceAndWalls) {
    RecordingCanvas liner;
    MagnifiedView view{liner};
    motion::StoredPath path;
    const std::vector<double> from = row().numbers("from"), pointer = row().numbers("pointer");
    path.recordStep(from.at(0), from.at(1), from.at(2));
    path.recordWall(from[0], from[1], from[2] - 40);
    view.setMode(DragMode::Rotate, path, 10, 1);
    for (std::size_t i = 0; i + 1 < pointer.size(); i += 2) {
        view.pointerMoved(path, Buttons::LeftAlone, float(pointer[i]), float(pointer[i + 1]), 1);
    }
    const auto lists = everything(path);  // x, y, z of path, surface, wall top, wall bottom
    for (std::size_t i = 0; i < lists.size(); ++i) {
        EXPECT_NEAR(lists[i][1], row().numbers(i < 9 ? "to" : "bottom").at(i % 3), 1e-7) << i;
    }
}

// With nothing recorded, without the left button alone, or with no mode (given back after a
// pan), a move only follows the pointer.
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
    mode(DragMode::None, 10);
    drag(25, 35, 60, 45);
    EXPECT_TRUE(liner.calls.empty() && everything(path) == before);
}

// Pan and Rotate show the magnified view.
TEST_P(MagnifiedModes, ShowTheCutWithTheStrideOfTheRun) {
    test::ViewRig rig;
    rig.run("G01Z-4\r\nG01X8Y4\r\n", row().number("dl"), 2);
    ASSERT_TRUE(rig.panel.messages.empty());
    rig.liner.calls.clear();
    row()["mode"] == "pan" ? rig.machine.panmode() : rig.machine.rotmode();

    EXPECT_TRUE(rig.liner.shown && !rig.linep.shown && !rig.linez.shown);
    EXPECT_EQ(rig.machine.views().shown(), View::Magnified);
    const std::int64_t rstep = rig.machine.views().magnified().rstep;
    EXPECT_EQ(rstep, row().number("rstep"));
    const std::size_t scale = rig.liner.lastOf(Kind::Scale);
    EXPECT_EQ(rig.liner.calls.at(scale).x2, 250.0f);
    const std::size_t n = (rig.machine.path().pathUpper() - 1) / std::size_t(rstep) + 1;
    EXPECT_EQ(rig.liner.ofKind(Kind::Line, 0, colour::lightRed).size(), n);
    EXPECT_EQ(rig.liner.ofKind(Kind::Line, 0, colour::lightGreen).size(), n + 2);  // walls
}

}  // namespace
}  // namespace tarvo::views
