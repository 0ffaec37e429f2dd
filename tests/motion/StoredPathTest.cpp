#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "motion/EngineTrace.h"
#include "motion/StoredPath.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

std::vector<const std::vector<double>*> allLists(const StoredPath& p) {
    return {&p.pathx,  &p.pathy,  &p.pathz,  &p.surfx,  &p.surfy,  &p.surfz,
            &p.wallx0, &p.wally0, &p.wallz0, &p.wallx1, &p.wally1, &p.wallz1};
}

// The lists a run leaves behind hold what the magnified view replays: the
// groups stay equal in length, the surface entry is the path entry lifted to
// Z 0, and each wall runs from the surface straight down.
void expectConsistent(const StoredPath& p) {
    const std::size_t path = p.pathx.size(), wall = p.wallx0.size();
    for (const auto* list : {&p.pathy, &p.pathz, &p.surfx, &p.surfy, &p.surfz}) {
        EXPECT_EQ(list->size(), path);
    }
    for (const auto* list : {&p.wally0, &p.wallz0, &p.wallx1, &p.wally1, &p.wallz1}) {
        EXPECT_EQ(list->size(), wall);
    }
    for (const auto* list : allLists(p)) {
        ASSERT_FALSE(list->empty());
        EXPECT_EQ(list->front(), 0.0);  // the placeholder
    }
    for (std::size_t i = 1; i < path; ++i) {
        EXPECT_LE(p.pathz[i], 0) << i;
        EXPECT_EQ(p.surfx[i], p.pathx[i]) << i;
        EXPECT_EQ(p.surfy[i], p.pathy[i]) << i;
        EXPECT_EQ(p.surfz[i], 0) << i;
    }
    for (std::size_t i = 1; i < wall; ++i) {
        EXPECT_EQ(p.wallx0[i], p.wallx1[i]) << i;
        EXPECT_EQ(p.wally0[i], p.wally1[i]) << i;
        EXPECT_EQ(p.wallz0[i], 0) << i;
        EXPECT_LT(p.wallz1[i], 0) << i;
    }
}

TEST(StoredPath, RunAboveTheSurfaceRecordsNothing) {
    TracedRun run(test::sampleProgram);
    for (const auto* list : allLists(run.machine.path())) {
        EXPECT_EQ(*list, std::vector<double>{0.0});
    }
    EXPECT_EQ(run.machine.path().pathUpper(), 0u);
    EXPECT_EQ(run.machine.path().wallUpper(), 0u);
}

// Plunge 5 mm below the surface, then cut 10 mm along X.
TEST(StoredPath, PlungeThenCut) {
    TracedRun run("%\nG01Z-5\nX10\n");
    const StoredPath& p = run.machine.path();
    ASSERT_EQ(p.pathUpper(), 16u);
    for (std::size_t i = 1; i <= 6; ++i) {  // Z 0 and the five steps below it
        EXPECT_EQ(p.pathx[i], 0) << i;
        EXPECT_EQ(p.pathy[i], 0) << i;
        EXPECT_EQ(p.pathz[i], -10.0 * static_cast<double>(i - 1)) << i;
    }
    for (std::size_t i = 7; i <= 16; ++i) {
        EXPECT_EQ(p.pathx[i], 10.0 * static_cast<double>(i - 6)) << i;
        EXPECT_EQ(p.pathy[i], 0) << i;
        EXPECT_EQ(p.pathz[i], -50) << i;
    }
    ASSERT_EQ(p.wallUpper(), 2u);
    EXPECT_EQ((std::vector<double>{p.wallx0[1], p.wally0[1], p.wallz0[1]}),
              (std::vector<double>{0, 0, 0}));
    EXPECT_EQ((std::vector<double>{p.wallx1[1], p.wally1[1], p.wallz1[1]}),
              (std::vector<double>{0, 0, -50}));
    EXPECT_EQ((std::vector<double>{p.wallx0[2], p.wally0[2], p.wallz0[2]}),
              (std::vector<double>{100, 0, 0}));
    EXPECT_EQ((std::vector<double>{p.wallx1[2], p.wally1[2], p.wallz1[2]}),
              (std::vector<double>{100, 0, -50}));
    expectConsistent(p);
}

// Every step point at or below the surface is recorded, in order, and every
// segment whose last step point lies below it adds one wall.
struct PathCase {
    const char* name;
    std::string program;
    std::size_t pathUpper, wallUpper;
    std::vector<double> wallBottoms;  // Z of each wall's lower end
};

class RecordedPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(RecordedPath, HoldsTheCut) {
    const PathCase& c = GetParam();
    TracedRun run(c.program);
    ASSERT_TRUE(run.panel.messages.empty());
    const StoredPath& p = run.machine.path();
    EXPECT_EQ(p.pathUpper(), c.pathUpper);
    EXPECT_EQ(p.wallUpper(), c.wallUpper);
    expectConsistent(p);

    std::size_t i = 1;
    for (const auto& shown : run.panel.points) {
        if (shown.z > 0) continue;
        ASSERT_LT(i, p.pathx.size());
        EXPECT_DOUBLE_EQ(p.pathx[i], shown.x * 10);
        EXPECT_DOUBLE_EQ(p.pathy[i], shown.y * 10);
        EXPECT_DOUBLE_EQ(p.pathz[i], shown.z * 10);
        ++i;
    }
    EXPECT_EQ(i, p.pathx.size());
    const std::vector<double> bottoms(p.wallz1.begin() + 1, p.wallz1.end());
    EXPECT_EQ(bottoms, c.wallBottoms);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, RecordedPath,
    ::testing::Values(
        PathCase{"PlungeThenCut", "%\nG01Z-5\nX10\n", 16, 2, {-50, -50}},
        // A segment ending on the surface leaves no wall.
        PathCase{"OnTheSurface", "%\nG01Z1\nZ0\nX5\n", 6, 0, {}},
        PathCase{"DownAndBackUp", "%\nG01Z-2\nZ0\n", 5, 1, {-20}},
        // The wall goes down to the last step point, not the programmed Z.
        PathCase{"HalfStepShort", "%\nG01Z1\nZ0\nZ-2.5\n", 3, 1, {-20}},
        PathCase{"ArcBelowTheSurface", "%\nG01Z-1\nG03X20Y0I10J0\nG01Z5\n", 43, 2, {-10, -10}},
        PathCase{"ClosingLine", "%\nG01Z-1\nX2\n%\n", 4, 2, {-10, -10}}),
    test::CaseName{});

// A new run starts the lists afresh; the previous cut is gone.
TEST(StoredPath, RunStartClearsTheLists) {
    test::RecordingPanel panel;
    interp::Machine m(panel);
    test::runToEnd(m, "%\nG01Z-5\nX10\n");
    ASSERT_EQ(m.path().pathUpper(), 16u);
    m.run("%\nG00X1\n", {});
    for (const auto* list : allLists(m.path())) EXPECT_EQ(*list, std::vector<double>{0.0});
}

}  // namespace
}  // namespace tarvo::motion
