#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/MachineRecorder.h"
#include "teach/ideal/PathRecord.h"
#include "teach/pulses/PulseHistory.h"
#include "teach/table/StepTable.h"

namespace tarvo::teach {
namespace {

// A machine with every record a window keeps, taking a snapshot every few ticks.
struct RecordedRig : test::Rig {
    PulseHistory pulses{machine};
    StepTable table{machine};
    PathRecord record{machine};

    RecordedRig() { machine.setSnapshotInterval(4); }
    std::uint64_t ticks() const { return machine.timer1Ticks() + machine.timer2Ticks(); }
    void stepTo(std::uint64_t tick) {
        while (ticks() < tick && !machine.idle())
            machine.stepPaused(interp::Machine::StepUnit::Tick);
    }
    // Everything the records show, as text.
    std::string shown() const {
        std::ostringstream out;
        // Serials go on over a replay from the start: only their distances count.
        out << "table " << table.segmentSerial() - table.firstSerial() << ':';
        for (auto s = table.firstSerial(); s < table.endSerial(); ++s) {
            out << ' ' << table.tickOf(s) << '/' << table.at(s).line << '/'
                << table.textbookAt(s).segment.dx.units();
        }
        out << "\npulses:";
        for (std::size_t i = 0; i < pulses.size(); ++i) {
            const PulseSample& p = pulses.at(i);
            out << ' ' << p.tick << '/' << int(p.bits) << '/' << p.line << '/' << p.point.x.units()
                << ',' << p.point.y.units();
        }
        const PathDeviation& d = record.deviation();
        out << "\ndeviation " << d.finished().size() << ' ' << d.runDeviation() << ' '
            << (d.current() ? d.current()->deviation : -1) << "\nline steps "
            << record.steps().points();
        for (std::int64_t line = 1; line < 10; ++line)
            out << ' ' << record.steps().polyline(line).size();
        return out.str();
    }
};

// From every tick of the sample run, a step back leaves every record as the uninterrupted run
// left it at the tick it goes back to, however old the snapshot it starts from.
TEST(StepBackRecords, ShowWhatTheUninterruptedRunShowedThen) {
    RecordedRig back;
    back.machine.run(test::sampleProgram, test::withDl(1));
    back.machine.pause();
    for (std::uint64_t t = back.ticks() + 1; !back.machine.idle(); ++t) {
        back.stepTo(t);
        back.machine.stepBack();
        RecordedRig reference;
        reference.machine.run(test::sampleProgram, test::withDl(1));
        reference.machine.pause();
        reference.stepTo(back.ticks());
        ASSERT_EQ(back.shown(), reference.shown()) << "back from tick " << t;
        back.stepTo(t);
    }
}

}  // namespace
}  // namespace tarvo::teach
