#include <gtest/gtest.h>

#include <malloc.h>

#include <random>
#include <string>
#include <vector>

#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

// Bytes the heap has handed out and not yet taken back.
std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// A zigzag of long passes at a fine pulse equivalent: a million steps or more.
std::string zigzag(int passes, double z) {
    std::string text = "%\nG00X0Y0Z" + std::to_string(z) + "\nG01\n";
    for (int i = 0; i < passes; ++i) {
        text += "X" + std::to_string(i % 2 == 0 ? 100 : 0) + "Y" + std::to_string(i) + "\n";
    }
    return text + "%\n";
}

// A million steps above the surface must not grow memory; below it, only by the path.
TEST(LongRun, MemoryStaysFlatBesidesTheRecordedPath) {
    for (const double z : {10.0, -1.0}) {
        test::RecordingPanel panel;
        Machine machine(panel);
        const std::string program = zigzag(100, z);
        const std::size_t before = heapInUse();
        machine.run(program, test::withDl(0.01));
        ClockDriver(machine).runToEnd(UINT64_MAX);
        const motion::StoredPath& path = machine.path();
        EXPECT_TRUE(panel.messages.empty());
        EXPECT_GE(machine.timer2Ticks(), 2'000'000u);
        std::size_t recorded = path.cutBytes();
        for (const auto* list :
             {&path.wallx0, &path.wally0, &path.wallz0, &path.wallx1, &path.wally1, &path.wallz1}) {
            recorded += list->capacity() * sizeof(double);
        }
        EXPECT_EQ(path.pathUpper() > 0, z < 0);
        // The panel keeps every point shown; leave room for it and a little more.
        const std::size_t shown = panel.points.capacity() * sizeof(test::RecordingPanel::Point) +
                                  panel.bits.capacity() * sizeof(panel.bits[0]);
        EXPECT_LE(heapInUse() - before, recorded + shown + program.size() + (64u << 10))
            << "z " << z;
    }
}

// A 10 MB line costs no tick of its own: what no word takes is skipped within the tick that
// reads the line's end, each character once, so a run's work grows with its text and no more.
TEST(LongRun, ATenMegabyteLineTakesTheTicksOfItsWords) {
    const auto run = [](const std::string& comment) {
        test::RecordingPanel panel;
        Machine machine(panel);
        test::runToEnd(machine, "%\nG01X3Y2 (" + comment + ")\n%\n");
        return std::vector{machine.timer1Ticks(), machine.timer2Ticks(),
                           static_cast<std::uint64_t>(machine.interpreter().txtline)};
    };
    EXPECT_EQ(run(std::string(10'000'000, 'a')), run("a"));
}

// Commands at random: one tick a millisecond, at most two after a Run during a run.
TEST(LongRun, RandomCommandsKeepOneTimerAtATime) {
    test::RecordingPanel panel;
    Machine machine(panel);
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> action(0, 99);
    for (int ms = 0; ms < 20000; ++ms) {
        bool restarted = false;
        const int a = action(random);
        if (a < 2) {
            restarted = machine.advancing();
            machine.run(test::sampleProgram, test::withDl(a == 0 ? 0.1 : 1));
        } else if (a < 4) {
            machine.pause();
        } else if (a < 5) {
            machine.stop();
        }
        const auto before = machine.timer1Ticks() + machine.timer2Ticks();
        const bool advancing = machine.advancing();
        machine.advance();
        const auto ticked = machine.timer1Ticks() + machine.timer2Ticks() - before;
        const bool once = ticked == 1 || (restarted && ticked == 2);
        ASSERT_TRUE(advancing ? once : ticked == 0) << ticked << " ticks at millisecond " << ms;
        // By the end of any millisecond the hand-over has settled.
        ASSERT_FALSE(machine.timer1().enabled && machine.timer2().enabled)
            << "at millisecond " << ms;
    }
    EXPECT_GT(machine.timer2Ticks(), 1000u);
}

}  // namespace
}  // namespace tarvo::interp
