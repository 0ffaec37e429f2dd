#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interp/Panel.h"

namespace tarvo::test {

// Keeps everything the machine shows, for tests to look at.
class RecordingPanel : public interp::Panel {
public:
    struct Message {
        std::string text, title;
    };
    struct Point {
        double x, y, z;
        friend bool operator==(const Point&, const Point&) = default;
    };

    void outputBitChanged(int index, bool value) override { bits.push_back({index, value}); }
    void pointShown(double x, double y, double z) override { points.push_back({x, y, z}); }
    void spindleShown(bool on) override { spindle = on; }
    void coolantShown(bool on) override { coolant = on; }
    void message(std::string_view text, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title)});
    }
    void caretMoved(std::int64_t index) override { caret = index; }
    void currentLineMarked(std::int64_t line) override { markedLine = line; }
    void executingLineShown(std::int64_t) override {}
    void programErrorShown(std::int64_t, std::string_view) override {}
    void warningShown(std::int64_t line, std::string_view text) override {
        warnings.push_back({line, std::string(text)});
    }
    void originShown(double x, double y, double z) override { origin = {x, y, z}; }
    void viewOptionSelected(views::View view) override { option = view; }

    std::vector<std::pair<int, bool>> bits;
    std::vector<Point> points;
    std::vector<Message> messages;
    std::vector<std::pair<std::int64_t, std::string>> warnings;  // line from 0, text
    bool spindle = false, coolant = false;
    std::int64_t caret = -1, markedLine = -1;
    Point origin{-1, -1, -1};
    views::View option = views::View::Magnified;
};

}  // namespace tarvo::test
