#include "teach/table/TextbookStep.h"

#include <cmath>

#include "motion/exact/ExactRoot.h"

namespace tarvo::teach {

namespace {

using motion::Decimal;
using motion::Squared;
using motion::Wide;

bool isLine(motion::Mode mode) {
    return mode == motion::Mode::Rapid || mode == motion::Mode::Line;
}

// length / dlstep when it is a whole number of pulses.
std::optional<std::int64_t> wholePulses(Decimal length, Decimal dlstep) {
    if (length.units() % dlstep.units() != 0) return std::nullopt;
    return length.units() / dlstep.units();
}

// The whole root of a square, when it has one.
std::optional<std::int64_t> wholeRoot(Wide square) {
    const motion::WholeRoot r = motion::wholeRoot(static_cast<motion::WideUnsigned>(square));
    if (r.rest != 0) return std::nullopt;
    return static_cast<std::int64_t>(r.root);
}

std::optional<std::int64_t> arcSigmaOf(const motion::Segment& s, Decimal dlstep) {
    const auto xs = wholePulses(s.ic * 10, dlstep), ys = wholePulses(s.jc * 10, dlstep);
    const auto xe = wholePulses((s.xe - s.xs + s.ic) * 10, dlstep);
    const auto ye = wholePulses((s.ye - s.ys + s.jc) * 10, dlstep);
    if (!xs || !ys || !xe || !ye) return std::nullopt;
    const auto r = wholeRoot(static_cast<Wide>(*xs) * *xs + static_cast<Wide>(*ys) * *ys);
    if (!r) return std::nullopt;
    return arcSigma(*xs, *ys, *xe, *ye, *r, s.gmode == motion::Mode::Clockwise);
}

// Counter-clockwise quadrants, each holding the axis ray it begins with:
// 0 from +X, 1 from +Y, 2 from −X, 3 from −Y.
int ccwQuadrant(std::int64_t x, std::int64_t y) {
    if (x > 0 && y >= 0) return 0;
    if (x <= 0 && y > 0) return 1;
    if (x < 0 && y <= 0) return 2;
    return 3;
}

}  // namespace

TextbookSegment textbookSegment(const motion::Segment& segment, Decimal dlstep) {
    TextbookSegment t;
    t.dlstep = dlstep;
    t.dx = (segment.xe - segment.xs).abs();
    t.dy = (segment.ye - segment.ys).abs();
    t.dz10 = segment.dz10();
    t.figure = motion::pulseFigure(segment, dlstep);
    if (isLine(segment.gmode)) {
        t.sigma = wholePulses(segment.regmax * 10, dlstep);
    } else {
        t.sigma = arcSigmaOf(segment, dlstep);
    }
    return t;
}

std::int64_t arcSigma(std::int64_t xs, std::int64_t ys, std::int64_t xe, std::int64_t ye,
                      std::int64_t r, bool clockwise) {
    // A clockwise arc is the counter-clockwise arc of the mirror image.
    if (clockwise) {
        ys = -ys;
        ye = -ye;
    }
    const std::int64_t axisX[4] = {r, 0, -r, 0}, axisY[4] = {0, r, 0, -r};
    const auto span = [](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
        return std::abs(x1 - x0) + std::abs(y1 - y0);
    };
    const int from = ccwQuadrant(xs, ys), to = ccwQuadrant(xe, ye);
    const bool ahead = static_cast<Wide>(xs) * ye - static_cast<Wide>(ys) * xe > 0;
    int crossings = (to - from + 4) % 4;
    if (crossings == 0 && ahead) return span(xs, ys, xe, ye);
    if (crossings == 0) crossings = 4;
    const int next = (from + 1) % 4;
    return span(xs, ys, axisX[next], axisY[next]) + 2 * r * (crossings - 1) +
           span(axisX[to], axisY[to], xe, ye);
}

int TextbookStep::quadrant() const {
    const bool left = record.before.px < 0, below = record.before.py < 0;
    if (!below) return left ? 2 : 1;
    return left ? 3 : 4;
}

std::optional<std::int64_t> TextbookStep::sigmaBefore() const {
    if (!segment.sigma) return std::nullopt;
    return *segment.sigma - static_cast<std::int64_t>(record.number) + 1;
}

std::optional<std::int64_t> TextbookStep::sigmaAfter() const {
    if (!segment.sigma) return std::nullopt;
    return *segment.sigma - static_cast<std::int64_t>(record.number);
}

bool TextbookStep::reachedEnd() const {
    return record.distance2 < Squared::of(segment.dlstep);
}

}  // namespace tarvo::teach
