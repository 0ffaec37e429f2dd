#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "motion/StoredPath.h"
#include "support/MachineRecorder.h"
#include "support/PathLists.h"

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

// Every step at or below the surface, the same at Z 0, and a wall at each segment end below it.
TEST(StoredPath, HoldsTheCut) {
    const struct {
        std::string program;
        std::size_t pathUpper;
        Points walls;
    } cases[] = {{"%\nG01Z-5\nX10\n", 16, {{0, 0, -50}, {100, 0, -50}}},
                 {"%\nG01Z1\nZ0\nX5\n", 6, {}},
                 {"%\nG01Z-2\nZ0\n", 5, {{0, 0, -20}}},
                 {"%\nG01Z1\nZ0\nZ-2.5\n", 3, {{0, 0, -20}}},
                 {"%\nG01Z-1\nG03X20Y0I10J0\nG01Z5\n", 43, {{0, 0, -10}, {200, 0, -10}}},
                 {"%\nG01Z-1\nX2\n%\n", 4, {{0, 0, -10}, {20, 0, -10}}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const TracedRun run(c.program);
        const StoredPath& p = run.machine.path();
        Points cut, surface, tops;
        for (const auto& s : run.panel.points) {
            if (s.z > 0) continue;
            cut.push_back({s.x * 10, s.y * 10, s.z * 10});
            surface.push_back({s.x * 10, s.y * 10, 0});
        }
        for (const auto& w : c.walls) tops.push_back({w[0], w[1], 0});
        EXPECT_EQ(p.pathUpper(), c.pathUpper);
        EXPECT_EQ(entries(p, 0), cut);
        EXPECT_EQ(entries(p, 3), surface);
        EXPECT_EQ(entries(p, 6), tops);
        EXPECT_EQ(entries(p, 9), c.walls);
        for (const auto& list : test::everything(p)) EXPECT_EQ(list.at(0), 0.0);
    }
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

// A new run starts the lists afresh, and a run above the surface adds nothing.
TEST(StoredPath, RunStartClearsTheLists) {
    test::Rig r;
    test::runToEnd(r.machine, "%\nG01Z-5\nX10\n");
    ASSERT_EQ(r.machine.path().pathUpper(), 16u);
    test::runToEnd(r.machine, test::sampleProgram);
    for (const auto& list : test::everything(r.machine.path()))
        EXPECT_EQ(list, std::vector<double>{0.0});
}

}  // namespace
}  // namespace tarvo::motion
