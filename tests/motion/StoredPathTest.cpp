#include <gtest/gtest.h>

#include <array>

#include "motion/StoredPath.h"
#include "support/MachineRecorder.h"
#include "support/PathLists.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

using Points = std::vector<std::array<double, 3>>;
using test::TracedRun;

// Entries 1 to upper of three of the twelve lists, as points.
Points entries(const StoredPath& p, std::size_t first) {
    const auto lists = test::everything(p);
    Points out;
    for (std::size_t i = 1; i < lists[first].size(); ++i) {
        out.push_back({lists[first][i], lists[first + 1][i], lists[first + 2][i]});
    }
    return out;
}

TARVO_TABLE_SUITE(StoredPathCut, "stored-path.tsv");

// Every step at or below the surface, the same at Z 0, and a wall at each segment end below it.
TEST_P(StoredPathCut, HoldsTheCut) {
    const TracedRun run(row()["program"]);
    const StoredPath& p = run.machine.path();
    Points cut, surface, walls, tops;
    for (const auto& s : run.panel.points) {
        if (s.z > 0) continue;
        cut.push_back({s.x * 10, s.y * 10, s.z * 10});
        surface.push_back({s.x * 10, s.y * 10, 0});
    }
    const std::vector<double> w = row().numbers("walls");
    for (std::size_t i = 0; i + 2 < w.size(); i += 3) {
        walls.push_back({w[i], w[i + 1], w[i + 2]});
        tops.push_back({w[i], w[i + 1], 0});
    }
    EXPECT_EQ(p.pathUpper(), row().number("pathUpper"));
    EXPECT_EQ(std::vector({entries(p, 0), entries(p, 3), entries(p, 6), entries(p, 9)}),
              std::vector({cut, surface, tops, walls}));
    for (const auto& list : test::everything(p)) EXPECT_EQ(list.at(0), 0.0);
}
// Surface lists made separate by a drag go on recording later steps.
TEST(StoredPath, KeptSurfaceGoesOnRecording) {
    StoredPath p;
    p.recordStep(1, 2, -3);
    p.keepSurface();
    p.recordStep(4, 5, -6);
    EXPECT_EQ(entries(p, 3), (Points{{1, 2, 0}, {4, 5, 0}}));
    EXPECT_EQ(test::values(p.surfx).size(), 3u);
}

// Past its budget the cut keeps every other entry, then every keep()-th step point, surface alike.
TEST(StoredPath, FullListsKeepEveryFewStepPoints) {
    StoredPath p(4 * 6 * sizeof(double));  // four entries a list, placeholder included
    p.keepSurface();
    std::vector<int> filled;
    for (int x = 1; x <= 12; ++x) {
        if (p.recordStep(x, 0, -x)) filled.push_back(x);
    }
    EXPECT_EQ(std::tuple(filled, p.keep()), std::tuple(std::vector{4}, 4u));
    EXPECT_EQ(std::vector({entries(p, 0), entries(p, 3)}),
              std::vector<Points>(
                  {{{1, 0, -1}, {5, 0, -5}, {9, 0, -9}}, {{1, 0, 0}, {5, 0, 0}, {9, 0, 0}}}));
    p.reset();
    EXPECT_EQ(p.keep(), 1u);
}

// A new run starts the lists afresh, kept surface too, and a run above the surface adds nothing.
TEST(StoredPath, RunStartClearsTheLists) {
    test::Rig r;
    test::runToEnd(r.machine, "%\nG01Z-5\nX10\n");
    ASSERT_EQ(r.machine.path().pathUpper(), 16u);
    r.machine.panmode();
    r.machine.pointerMoved(views::Buttons::None, 10, 10);
    r.machine.pointerMoved(views::Buttons::LeftAlone, 20, 10);  // the drag keeps the surface apart
    ASSERT_EQ(r.machine.path().surfx.size(), 17u);
    test::runToEnd(r.machine, test::sampleProgram);
    for (const auto& list : test::everything(r.machine.path())) EXPECT_EQ(list, std::vector{0.0});
    EXPECT_EQ(r.machine.path().surfx.size(), 0u);
}

}  // namespace
}  // namespace tarvo::motion
