#include <gtest/gtest.h>

#include <string>

#include "interp/RunCommands.h"
#include "support/MachineRecorder.h"

namespace tarvo::interp {
namespace {

// The commands that can act now, in the order shells list them: R(un), P(ause), S(top),
// the steps T(ick), I(teration), L(ine), and B(ack).
std::string enabled(const Machine& m) {
    std::string letters;
    const char names[] = "RPSTILB";
    for (std::size_t i = 0; i < runCommands.size(); ++i) {
        if (runCommandEnabled(m, runCommands[i])) letters += names[i];
    }
    return letters;
}

// Every shell greys the same commands at the same moments of a run.
TEST(InterpRunCommands, OnlyWhatCanActNowIsEnabled) {
    test::Rig r;
    const std::string program = "%\nG01X2Y1\n%\n";
    EXPECT_EQ(enabled(r.machine), "RSTIL");  // idle: a step starts the program
    r.machine.run(program, {});
    EXPECT_EQ(enabled(r.machine), "RPS");  // advancing: only Pause holds it
    r.machine.pause();
    EXPECT_EQ(enabled(r.machine), "RSTIL");  // held before its first tick: nothing to go back to
    r.machine.stepPaused(Machine::StepUnit::Step);
    EXPECT_EQ(enabled(r.machine), "RSTILB");
    r.machine.run(program, {});  // resumes
    test::finish(r.machine);
    EXPECT_EQ(enabled(r.machine), "RSTILB");  // ended: it still goes back
    r.machine.stop();
    EXPECT_EQ(enabled(r.machine), "RSTIL");  // stopped for good
}

}  // namespace
}  // namespace tarvo::interp
