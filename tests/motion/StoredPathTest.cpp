#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "motion/StoredPath.h"
#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

using Points = std::vector<std::array<double, 3>>;
using test::TracedRun;

std::vector<const std::vector<double>*> lists(const StoredPath& p) {
    return {&p.pathx,  &p.pathy,  &p.pathz,  &p.surfx,  &p.surfy,  &p.surfz,
            &p.wallx0, &p.wally0, &p.wallz0, &p.wallx1, &p.wally1, &p.wallz1};
}

Points entries(const std::vector<double>& x, const std::vector<double>& y,
               const std::vector<double>& z) {
    Points out;
    for (std::size_t i = 1; i < x.size(); ++i) out.push_back({x.at(i), y.at(i), z.at(i)});
    return out;
}

// The lists a run leaves behind hold what the magnified view replays: after
// the placeholder, every step point at or below the surface in order, with
// the same point lifted to Z 0; and a wall from the surface straight down to
// the last step point of every segment that ends below it (not on it). The
// plunge 5 mm below the surface, then 10 mm along X, records Z 0 and the five
// steps below it, the ten steps along X, and a wall at each end.
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
        EXPECT_EQ(entries(p.pathx, p.pathy, p.pathz), cut);
        EXPECT_EQ(entries(p.surfx, p.surfy, p.surfz), surface);
        EXPECT_EQ(entries(p.wallx1, p.wally1, p.wallz1), c.walls);
        EXPECT_EQ(entries(p.wallx0, p.wally0, p.wallz0), tops);
        for (const auto* list : lists(p)) EXPECT_EQ(list->at(0), 0.0);
    }
}

// A new run starts the lists afresh, and a run above the surface adds nothing.
TEST(StoredPath, RunStartClearsTheLists) {
    test::Rig r;
    test::runToEnd(r.machine, "%\nG01Z-5\nX10\n");
    ASSERT_EQ(r.machine.path().pathUpper(), 16u);
    test::runToEnd(r.machine, test::sampleProgram);
    for (const auto* list : lists(r.machine.path())) EXPECT_EQ(*list, std::vector<double>{0.0});
}

}  // namespace
}  // namespace tarvo::motion
