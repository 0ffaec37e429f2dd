#include <gtest/gtest.h>

#include <string>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"
#include "interp/Panel.h"
#include "support/Programs.h"

namespace tarvo::interp {
namespace {

using test::ticksOf;

const std::string program = "%\nG01X3Y2\nG02X5Y0I2J0\nG00Z-1\n%\n";

// The ticks the program's run takes after as many whole runs of it: a run
// goes on from what the last one left in the registers.
std::uint64_t wholeRun(int runsBefore = 0) {
    SilentPanel panel;
    Machine machine(panel);
    for (int i = 0; i < runsBefore; ++i) test::runToEnd(machine, program, test::withDl(0.5));
    const std::uint64_t before = ticksOf(machine);
    test::runToEnd(machine, program, test::withDl(0.5));
    EXPECT_TRUE(machine.idle());
    return ticksOf(machine) - before;
}

// The runner's limit, from both sides: a run of exactly the limit ends, one
// tick more is cut off at the limit, counted from the ticks the machine had
// already made; no limit at all is no overflow.
TEST(ClockDriver, RunsToTheEndOrExactlyToTheTickLimit) {
    for (const int runsBefore : {0, 1}) {
        SCOPED_TRACE("runs before " + std::to_string(runsBefore));
        const std::uint64_t whole = wholeRun(runsBefore);
        ASSERT_GT(whole, 20u);
        SilentPanel panel;
        Machine machine(panel);
        for (int i = 0; i < runsBefore; ++i) test::runToEnd(machine, program, test::withDl(0.5));
        const std::uint64_t before = ticksOf(machine);
        // How a drive to a limit finished, and the ticks made since the first Run.
        const auto drive = [&](std::uint64_t limit) {
            const ClockDriver::Finish finish = ClockDriver(machine).runToEnd(limit);
            return std::tuple(finish, ticksOf(machine) - before);
        };
        machine.run(program, test::withDl(0.5));
        EXPECT_EQ(drive(whole - 1), std::tuple(ClockDriver::Finish::TickLimit, whole - 1));
        EXPECT_EQ(drive(1), std::tuple(ClockDriver::Finish::Idle, whole));
        machine.run(program, test::withDl(0.5));
        EXPECT_EQ(drive(UINT64_MAX),
                  std::tuple(ClockDriver::Finish::Idle, whole + wholeRun(runsBefore + 1)));
    }
}

// A window's timer: as many milliseconds as are due while the run goes on,
// fewer when it ends or pauses on the way, none while paused.
TEST(ClockDriver, CatchesUpTheMillisecondsDue) {
    const std::uint64_t whole = wholeRun();
    SilentPanel panel;
    Machine machine(panel);
    machine.run(program, test::withDl(0.5));
    ClockDriver clock(machine);
    EXPECT_EQ(clock.catchUp(7), 7u);
    EXPECT_EQ(ticksOf(machine), 7u);
    machine.pause();
    EXPECT_EQ(clock.catchUp(5), 0u);
    machine.run(program, test::withDl(0.5));
    EXPECT_EQ(clock.catchUp(whole), whole - 7);
    EXPECT_TRUE(machine.idle());
    EXPECT_EQ(clock.catchUp(3), 0u);
}

}  // namespace
}  // namespace tarvo::interp
