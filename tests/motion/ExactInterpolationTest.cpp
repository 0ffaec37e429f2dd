#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "interp/Machine.h"
#include "interp/Panel.h"
#include "motion/DecimalReading.h"
#include "motion/NumberText.h"
#include "motion/StepRecord.h"
#include "support/Programs.h"
#include "support/TsvTable.h"

namespace tarvo::motion {
namespace {

Decimal decimal(const std::string& text) {
    const DecimalReading reading = readDecimal(text);
    EXPECT_TRUE(reading.exact()) << text;
    return reading.value;
}

// A program of a table row, its lines written "|"-separated.
std::string program(const std::string& lines) {
    std::string text = "%\n" + lines + "\n%\n";
    for (char& c : text) c = c == '|' ? '\n' : c;
    return text;
}

// Every iteration of a run at the row's pulse equivalent, kept by the line's motion.
struct RecordedRun : StepObserver {
    interp::SilentPanel panel;
    interp::Machine machine{panel};
    std::vector<StepRecord> records;

    RecordedRun(const std::string& lines, const std::string& dl) {
        machine.addStepObserver(this);
        interp::Parameters p;
        p.dl = decimal(dl);
        test::runToEnd(machine, program(lines), p);
    }
    void interpolated(const StepRecord& record, const Segment&) override {
        records.push_back(record);
    }
    // The iterations of the program's last motion.
    std::vector<StepRecord> lastMotion() const {
        std::vector<StepRecord> last;
        for (const StepRecord& r : records) {
            if (r.line == records.back().line) last.push_back(r);
        }
        return last;
    }
};

std::string words(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
    return text;
}

// Quarter, half and off-centre arcs of 13, 25 and 65 pulses at fine pulse
// equivalents take the textbook count of steps and stop on their end point.
TEST(ExactInterpolation, ArcsEndOnTheirEndPoints) {
    for (const test::TsvRow& row : test::readTsv("exact/arc-ends.tsv")) {
        SCOPED_TRACE(row.where + " " + row["program"] + " dl " + row["dl"]);
        const RecordedRun run(row["program"], row["dl"]);
        const std::vector<StepRecord> arc = run.lastMotion();
        ASSERT_FALSE(arc.empty());
        EXPECT_TRUE(run.machine.idle());
        EXPECT_EQ(std::to_string(arc.size()), row["steps"]);
        EXPECT_EQ(arc.back().point.x, decimal(row["x"]) * 10);
        EXPECT_EQ(arc.back().point.y, decimal(row["y"]) * 10);
        EXPECT_EQ(arc.back().distance2, Squared{});
    }
}

// fm after every step, internal units squared (100 times the textbook F at
// 1 mm), and the feed it chose; exactly 0 where the arc crosses a lattice point.
TEST(ExactInterpolation, ArcDeviationsAreTheTextbookFigures) {
    for (const test::TsvRow& row : test::readTsv("exact/fm-sequences.tsv")) {
        SCOPED_TRACE(row.where + " " + row["program"] + " dl " + row["dl"]);
        std::vector<std::string> fm, feeds;
        for (const StepRecord& r : RecordedRun(row["program"], row["dl"]).lastMotion()) {
            fm.push_back(exactText(r.after.fm));
            const int axis = r.feed[0] != 0 ? 0 : 1;
            feeds.push_back(std::string(r.feed[axis] > 0 ? "+" : "-") + (axis == 0 ? "X" : "Y"));
        }
        EXPECT_EQ(words(fm), row["fm"]);
        EXPECT_EQ(words(feeds), row["feeds"]);
    }
}

// Digital integration overflows where the exact sum reaches regmax, not an
// iteration later, and the line ends on its end point.
TEST(ExactInterpolation, LineRegistersOverflowOnTheExactSum) {
    for (const test::TsvRow& row : test::readTsv("exact/line-overflows.tsv")) {
        SCOPED_TRACE(row.where + " " + row["program"] + " dl " + row["dl"]);
        std::vector<std::string> x, y;
        const std::vector<StepRecord> line = RecordedRun(row["program"], row["dl"]).lastMotion();
        for (const StepRecord& r : line) {
            if (r.feed[0] != 0) x.push_back(std::to_string(r.number));
            if (r.feed[1] != 0) y.push_back(std::to_string(r.number));
        }
        EXPECT_EQ(words(x), row["x"]);
        EXPECT_EQ(words(y), row["y"]);
        EXPECT_EQ(std::to_string(line.size()), row["iterations"]);
        EXPECT_EQ(line.back().distance2, Squared{});
    }
}

}  // namespace
}  // namespace tarvo::motion
