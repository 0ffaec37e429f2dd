#include "teach/exercises/PulseGridFigure.h"

#include <algorithm>
#include <cstdint>

#include "teach/exercises/HtmlText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

constexpr std::int64_t cell = 24;    // SVG units a pulse
constexpr std::int64_t margin = 28;  // room for the pulse counts and the labels

// The pulses the figure spans, one more on each side, so that the start and
// end never sit on the edge. Within a quadrant an arc and its staircase run
// monotonically, so the ends and the points reached bound them.
struct Bounds {
    std::int64_t left, right, bottom, top;

    std::int64_t x(std::int64_t pulses) const { return margin + (pulses - left) * cell; }
    std::int64_t y(std::int64_t pulses) const { return margin + (top - pulses) * cell; }
    std::int64_t width() const { return x(right) + margin; }
    std::int64_t height() const { return y(bottom) + margin; }
};

Bounds boundsOf(const Exercise& e, const std::vector<motion::PulsePoint>& path) {
    Bounds b{0, 0, 0, 0};
    const auto take = [&b](motion::PulsePoint p) {
        b.left = std::min(b.left, p.x);
        b.right = std::max(b.right, p.x);
        b.bottom = std::min(b.bottom, p.y);
        b.top = std::max(b.top, p.y);
    };
    take(e.start);
    take(e.end);
    for (const motion::PulsePoint p : path) take(p);
    return {b.left - 1, b.right + 1, b.bottom - 1, b.top + 1};
}

std::string number(std::int64_t n) {
    return std::to_string(n);
}

std::string line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                 const char* kind) {
    return "<line class=\"" + std::string(kind) + "\" x1=\"" + number(x1) + "\" y1=\"" +
           number(y1) + "\" x2=\"" + number(x2) + "\" y2=\"" + number(y2) + "\"/>\n";
}

std::string label(std::int64_t x, std::int64_t y, std::string_view text, const char* anchor) {
    return "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" text-anchor=\"" + anchor + "\">" +
           htmlEscaped(std::string(text)) + "</text>\n";
}

// Grid lines at every pulse, the axes darker, the counts below and left.
std::string grid(const Bounds& b) {
    std::string svg;
    for (std::int64_t x = b.left; x <= b.right; ++x) {
        svg += line(b.x(x), b.y(b.top), b.x(x), b.y(b.bottom), x == 0 ? "axis" : "grid");
        svg += label(b.x(x), b.y(b.bottom) + 16, pulseText(x), "middle");
    }
    for (std::int64_t y = b.bottom; y <= b.top; ++y) {
        svg += line(b.x(b.left), b.y(y), b.x(b.right), b.y(y), y == 0 ? "axis" : "grid");
        svg += label(b.x(b.left) - 6, b.y(y) + 4, pulseText(y), "end");
    }
    return svg;
}

// The arc's radius is whole: its ends are whole-pulse points of its circle.
std::int64_t radius(const Exercise& e) {
    std::int64_t r = 0;
    while (r * r < e.start.x * e.start.x + e.start.y * e.start.y) ++r;
    return r;
}

std::string ideal(const Exercise& e, const Bounds& b) {
    if (!e.arc) return line(b.x(0), b.y(0), b.x(e.end.x), b.y(e.end.y), "ideal");
    // With y drawn upwards the arc turns on the page as on the machine, and
    // the SVG's sweep 1 is clockwise as seen; an exercise's arc stays within
    // a quarter, never the large one.
    const std::string r = number(radius(e) * cell);
    return "<path class=\"ideal\" d=\"M " + number(b.x(e.start.x)) + ' ' + number(b.y(e.start.y)) +
           " A " + r + ' ' + r + " 0 0 " + (e.clockwise ? "1 " : "0 ") + number(b.x(e.end.x)) +
           ' ' + number(b.y(e.end.y)) + "\"/>\n" + "<circle class=\"centre\" cx=\"" +
           number(b.x(0)) + "\" cy=\"" + number(b.y(0)) + "\" r=\"3\"/>\n" +
           label(b.x(0) + 5, b.y(0) - 5, words::say("圆心"), "start");
}

std::string staircaseOf(const std::vector<motion::PulsePoint>& path, const Bounds& b) {
    std::string points;
    for (const motion::PulsePoint p : path) {
        points += (points.empty() ? "" : " ") + number(b.x(p.x)) + ',' + number(b.y(p.y));
    }
    return "<polyline class=\"staircase\" points=\"" + points + "\"/>\n";
}

std::string ends(const Exercise& e, const Bounds& b) {
    const auto mark = [&b](motion::PulsePoint p, const char* kind, std::string_view name) {
        return "<circle class=\"" + std::string(kind) + "\" cx=\"" + number(b.x(p.x)) + "\" cy=\"" +
               number(b.y(p.y)) + "\" r=\"5\"/>\n" +
               label(b.x(p.x) + 7, b.y(p.y) - 7, name, "start");
    };
    return mark(e.arc ? e.start : motion::PulsePoint{}, "start", words::say("起点")) +
           mark(e.end, "end", words::say("终点"));
}

}  // namespace

std::string pulseGridFigure(const Exercise& exercise, const std::vector<motion::PulsePoint>& path,
                            bool staircase) {
    const Bounds b = boundsOf(exercise, path);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                      number(b.width()) + ' ' + number(b.height()) + "\" width=\"" +
                      number(b.width()) + "\" height=\"" + number(b.height()) +
                      "\" role=\"img\" aria-label=\"" + htmlEscaped(exercise.text()) + "\">\n";
    svg += grid(b) + ideal(exercise, b);
    if (staircase) svg += staircaseOf(path, b);
    return svg + ends(exercise, b) + "</svg>\n";
}

}  // namespace tarvo::teach
