#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "views/DrawingRecord.h"

namespace tarvo::views {
namespace {

constexpr float scale[4] = {0, 0, 10, 10};

// The lines a record gives back, in pixels of a 100-pixel square.
std::vector<std::string> linesOf(const DrawingRecord& record, bool withPoints = false) {
    std::vector<std::string> lines;
    const auto line = [&](double x1, double y1, double x2, double y2, std::uint32_t c) {
        lines.push_back(std::to_string(static_cast<int>(x1)) + ',' +
                        std::to_string(static_cast<int>(y1)) + '-' +
                        std::to_string(static_cast<int>(x2)) + ',' +
                        std::to_string(static_cast<int>(y2)) + (c == runColour(0) ? "" : " other"));
    };
    record.forEachLine(100, line, withPoints);
    return lines;
}

// A page that draws a record again shows its plotted points too, as lines
// from themselves to themselves in the foreground colour; a picture of lines leaves them out.
TEST(ViewsDrawingRecord, PlottedPointsAreLinesOnlyWhenAskedFor) {
    DrawingRecord record;
    record.restart(scale, false);
    record.line(0, 0, 1, 0, 1);
    record.plot(3, 4);
    record.line(1, 0, 2, 0, 1);
    EXPECT_EQ(linesOf(record), (std::vector<std::string>{"0,0-10,0 other", "10,0-20,0 other"}));
    EXPECT_EQ(linesOf(record, true),
              (std::vector<std::string>{"0,0-10,0 other", "30,40-30,40", "10,0-20,0 other"}));
}

TEST(ViewsDrawingRecord, LinesThatContinueEachOtherInOneColourShareARun) {
    DrawingRecord record;
    record.restart(scale, false);
    record.line(0, 0, 1, 0, 0);
    record.line(1, 0, 1, 1, 0);
    record.line(1, 1, 2, 1, 0);
    EXPECT_EQ(record.runs(), 2U);  // the scale, then the path
    EXPECT_EQ(record.floats(), 4U + 8U);
    record.line(5, 5, 6, 6, 0);  // elsewhere: a run of its own
    record.line(6, 6, 7, 7, 1);  // in another colour: another
    EXPECT_EQ(record.runs(), 4U);
    EXPECT_EQ(linesOf(record), (std::vector<std::string>{"0,0-10,0", "10,0-10,10", "10,10-20,10",
                                                         "50,50-60,60", "60,60-70,70 other"}));
}

TEST(ViewsDrawingRecord, TwoPolylinesDrawnByTurnsShareARunAndComeBackInTheirOrder) {
    DrawingRecord record;
    record.restart(scale, false);
    record.line(0, 0, 1, 0, 0);  // the cut
    record.line(0, 5, 1, 5, 1);  // its shadow
    record.line(1, 0, 2, 0, 0);
    record.line(1, 5, 2, 5, 1);
    EXPECT_EQ(record.runs(), 2U);
    EXPECT_EQ(linesOf(record), (std::vector<std::string>{"0,0-10,0", "0,50-10,50 other",
                                                         "10,0-20,0", "10,50-20,50 other"}));
}

TEST(ViewsDrawingRecord, FrozenRunsNeverBeginTakingTurns) {
    DrawingRecord record;
    record.restart(scale, false);
    record.line(0, 0, 1, 0, 0);
    record.line(0, 5, 1, 5, 1);
    record.freeze();
    record.line(1, 0, 2, 0, 0);
    EXPECT_EQ(record.runs(), 4U);
    EXPECT_EQ(linesOf(record),
              (std::vector<std::string>{"0,0-10,0", "0,50-10,50 other", "10,0-20,0"}));
}

TEST(ViewsDrawingRecord, AScaleChangeTravelsWithTheDrawingAndPlottedPointsAreNoLines) {
    DrawingRecord record;
    record.restart(scale, false);
    record.line(0, 0, 1, 1, 0);
    const float twice[4] = {0, 0, 20, 20};
    record.setScale(twice);
    record.plot(3, 3);
    record.line(2, 2, 4, 4, 0);
    EXPECT_EQ(linesOf(record), (std::vector<std::string>{"0,0-10,10", "10,10-20,20"}));
}

TEST(ViewsDrawingRecord, CuttingBackForgetsWhatCameAfter) {
    DrawingRecord record;
    record.restart(scale, false);
    record.line(0, 0, 1, 0, 0);
    const std::size_t runs = record.runs(), points = record.lastRunPoints(),
                      floats = record.floats();
    record.line(1, 0, 2, 0, 0);
    record.line(5, 5, 6, 6, 1);
    record.cutBack(runs, points, floats);
    EXPECT_EQ(linesOf(record), std::vector<std::string>{"0,0-10,0"});
    EXPECT_EQ(record.lastX(), 1);
    EXPECT_EQ(record.lastY(), 0);
}

TEST(ViewsDrawingRecord, ColoursArePixelsOfThePalette) {
    EXPECT_EQ(pixelOf({255, 128, 1}), 0xffff8001U);
    EXPECT_EQ(runColour(DrawingRecord::plotted), pixelOf(palette[colour::black]));
}

}  // namespace
}  // namespace tarvo::views
