#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TableFile.h"
#include "views/DrawingRecord.h"

namespace tarvo::views {
namespace {

constexpr float scale[4] = {0, 0, 10, 10}, twice[4] = {0, 0, 20, 20};

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

// The record of a row's script, drawn after a restart.
DrawingRecord drawn(const std::string& script) {
    DrawingRecord record;
    record.restart(scale, false);
    std::size_t runs = 0, points = 0, floats = 0;
    std::istringstream steps(script);
    for (std::string step; std::getline(steps, step, ';');) {
        std::istringstream in(step);
        std::string call;
        float a = 0, b = 0, c = 0, d = 0;
        int colour = 0;
        in >> call >> a >> b >> c >> d >> colour;
        if (call == "line") record.line(a, b, c, d, static_cast<std::int8_t>(colour));
        if (call == "plot") record.plot(a, b);
        if (call == "freeze") record.freeze();
        if (call == "scale") record.setScale(twice);
        if (call == "mark") {
            runs = record.runs(), points = record.lastRunPoints(), floats = record.floats();
        }
        if (call == "back") record.cutBack(runs, points, floats);
    }
    return record;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "|") + line;
    return text;
}

TARVO_TABLE_SUITE(ViewsDrawingRecords, "drawing-record.tsv");

TEST_P(ViewsDrawingRecords, GiveBackWhatWasDrawn) {
    const DrawingRecord record = drawn(row()["script"]);
    test::expectTexts(row(), {{"lines", joined(linesOf(record))},
                              {"points", joined(linesOf(record, true))},
                              {"runs", std::to_string(record.runs())},
                              {"floats", std::to_string(record.floats())},
                              {"end", std::to_string(static_cast<int>(record.lastX())) + ' ' +
                                          std::to_string(static_cast<int>(record.lastY()))}});
}

TEST(ViewsDrawingRecord, ColoursArePixelsOfThePalette) {
    EXPECT_EQ(pixelOf({255, 128, 1}), 0xffff8001U);
    EXPECT_EQ(runColour(DrawingRecord::plotted), pixelOf(palette[colour::black]));
}

}  // namespace
}  // namespace tarvo::views
