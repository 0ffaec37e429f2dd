#include "motion/Interpolator.h"

#include <cmath>
#include <variant>

#include "motion/MotionPanel.h"
#include "motion/OutputByte.h"
#include "motion/Overloaded.h"
#include "motion/StoredPath.h"
#include "motion/exact/Rounding.h"

namespace tarvo::motion {

namespace {

// A length in internal units as the read-outs show it, in millimetres.
double millimetres(Decimal tenths) {
    return static_cast<double>(tenths.units()) / (10.0 * Decimal::one);
}

bool isLine(Mode m) {
    return m == Mode::Rapid || m == Mode::Line;
}

// One row of the point-by-point step tables: which axis moves, and which way.
struct ArcMove {
    OutputByte::Axis axis;
    int sign;
};

// Indexed by [fm < 0][px < 0][py < 0]: a point on the circle counts as
// outside, a point level with the centre as in the upper half, a point above
// or below it as in the right half.
constexpr ArcMove cwMoves[2][2][2] = {
    {{{OutputByte::Axis::Y, -1}, {OutputByte::Axis::X, -1}},
     {{OutputByte::Axis::X, +1}, {OutputByte::Axis::Y, +1}}},
    {{{OutputByte::Axis::X, +1}, {OutputByte::Axis::Y, -1}},
     {{OutputByte::Axis::Y, +1}, {OutputByte::Axis::X, -1}}},
};
constexpr ArcMove ccwMoves[2][2][2] = {
    {{{OutputByte::Axis::X, -1}, {OutputByte::Axis::Y, +1}},
     {{OutputByte::Axis::Y, -1}, {OutputByte::Axis::X, +1}}},
    {{{OutputByte::Axis::Y, +1}, {OutputByte::Axis::X, +1}},
     {{OutputByte::Axis::X, -1}, {OutputByte::Axis::Y, -1}}},
};

}  // namespace

Interpolator::Interpolator(OutputByte& outdata, StoredPath& path, MotionPanel& panel,
                           StepDrawing* drawing)
    : outdata_(outdata), path_(path), panel_(panel), drawing_(drawing) {}

void Interpolator::startSegment(const Segment& s, Decimal dlstep, MethodChoice choice) {
    guard_.startSegment(s, dlstep);
    figures_.choice = choice;
    figures_.textbook.reset();
    figures_.textbook = pulseSegment(s, dlstep, choice);
    iterations_ = 0;
    const auto sign = [](Decimal end, Decimal start) -> std::int16_t {
        return end >= start ? 1 : -1;
    };
    figures_.line = {(s.xe - s.xs).abs(), (s.ye - s.ys).abs(), s.dz10(),
                     sign(s.xe, s.xs),    sign(s.ye, s.ys),    sign(s.ze, s.zs)};
    figures_.r2 = s.r2();
    figures_.end = {s.xe * 10, s.ye * 10, s.ze * 10};
    figures_.centreX = (s.xs - s.ic) * 10;
    figures_.centreY = (s.ys - s.jc) * 10;
}

SegmentState Interpolator::stepTick(Segment& s, Registers& r, Decimal dlstep) {
    if (s.empty()) return SegmentState::Ended;
    if (figures_.textbook) return textbookTick(s, r, dlstep);
    phase = 1;
    ++stepTicks;
    ++iterations_;
    const std::int16_t lcolor = s.gmode == Mode::Rapid ? 15 : 14;
    // One copy of the routines, laid in once, whether observers listen or not.
    const bool told = !observers_.empty();
    if (told) told_.before = r;
    interpolate(s, r, dlstep, lcolor);
    if (told) tellObservers(s, r);
    if (!withinStep(dlstep)) return unreachableOrRunning(s, r, dlstep);
    endSegment(s, r, lcolor);
    return SegmentState::Ended;
}

void Interpolator::interpolate(const Segment& s, Registers& r, Decimal dlstep,
                               std::int16_t lcolor) {
    switch (s.gmode) {
        case Mode::Rapid:
        case Mode::Line:
            writeDirections(figures_.line);
            lineint(figures_.line, s, r, dlstep, lcolor);
            break;
        case Mode::Clockwise:
            cwint(s, r, dlstep, lcolor);
            break;
        case Mode::CounterClockwise:
            ccwint(s, r, dlstep, lcolor);
            break;
    }
}

// Under a textbook method the stepper makes one iteration on each step tick
// and its end counters, not the distance test, end the segment.
SegmentState Interpolator::textbookTick(Segment& s, Registers& r, Decimal dlstep) {
    PulseStepper& stepper = figures_.textbook->stepper;
    ++phase;
    std::int16_t lcolor = 0;
    if (phase == 1 && !stepper.finished()) {
        ++stepTicks;
        ++iterations_;
        lcolor = s.gmode == Mode::Rapid ? 15 : 14;
        told_.before = r;
        pulseStep(s, r, dlstep, lcolor);
        if (!observers_.empty()) tellObservers(s, r);
    }
    if (phase == 2) {
        outdata_.releasePulses();
        phase = 0;
    }
    if (!stepper.finished()) return SegmentState::Running;
    endSegment(s, r, lcolor);
    return SegmentState::Ended;
}

// Each pulse the stepper feeds moves the tool one step along its axis, as the
// machine's own routines move it: a line's registers count from its start,
// an arc's from its centre.
void Interpolator::pulseStep(const Segment& s, Registers& r, Decimal dlstep, std::int16_t lcolor) {
    lastPulses_ = figures_.textbook->stepper.next();
    const PulseFeed feed =
        std::visit(Overloaded{[](const ComparisonStep& step) { return step.feed; },
                              [](const IntegrationStep& step) { return step.feed; }},
                   *lastPulses_);
    const bool line = isLine(s.gmode);
    if (line) writeDirections(figures_.line);
    if (feed.x == 0 && feed.y == 0) return;
    const Decimal ox = line ? s.xs * 10 : (s.xs - s.ic) * 10;
    const Decimal oy = line ? s.ys * 10 : (s.ys - s.jc) * 10;
    const ToolPoint previous{ox + r.px, oy + r.py, line ? s.zs * 10 + r.pz : r.pz};
    const auto feedAxis = [&](OutputByte::Axis axis, std::int8_t sign, Decimal& p) {
        if (sign == 0) return;
        p += sign > 0 ? dlstep : -dlstep;
        outdata_.pulse(axis);
        outdata_.direction(axis, sign < 0);
    };
    feedAxis(OutputByte::Axis::X, feed.x, r.px);
    feedAxis(OutputByte::Axis::Y, feed.y, r.py);
    xcur = ox + r.px;
    ycur = oy + r.py;
    zcur = previous.z;
    stepPoint(previous, lcolor);
}

// The end test: the point lies less than a step from the end. An axis a
// whole step off settles it without squares, as it does on most ticks.
bool Interpolator::withinStep(Decimal dlstep) const {
    const ToolPoint& end = figures_.end;
    if ((end.x - xcur).abs() >= dlstep || (end.y - ycur).abs() >= dlstep ||
        (end.z - zcur).abs() >= dlstep) {
        return false;
    }
    return distanceToEnd2() < Squared::of(dlstep);
}

Squared Interpolator::distanceToEnd2() const {
    const ToolPoint& end = figures_.end;
    return Squared::of(end.x - xcur) + Squared::of(end.y - ycur) + Squared::of(end.z - zcur);
}

void Interpolator::restore(const Scalars& s) {
    xcur = s.xcur;
    ycur = s.ycur;
    zcur = s.zcur;
    phase = s.phase;
    stepTicks = s.stepTicks;
    iterations_ = s.iterations;
    guard_ = s.guard;
    figures_ = s.figures;
}

// The position registers' change tells which axes were fed and which way.
// A step tick never resets anything, so the end test that follows measures
// the very distance the record carries. The registers as the iteration
// found them are in the record already, taken before it.
void Interpolator::tellObservers(const Segment& s, const Registers& r) {
    StepRecord& record = told_;
    const auto fed = [](Decimal from, Decimal to) -> std::int8_t {
        return to > from ? 1 : to < from ? -1 : 0;
    };
    record.line = s.line;
    record.number = iterations_;
    record.method = isLine(s.gmode) ? Method::Integration : Method::Comparison;
    record.gmode = s.gmode;
    record.regmax = s.regmax;
    record.after = r;
    record.feed[0] = fed(record.before.px, r.px);
    record.feed[1] = fed(record.before.py, r.py);
    record.feed[2] = fed(record.before.pz, r.pz);
    record.point = {xcur, ycur, zcur};
    record.distance2 = distanceToEnd2();
    record.interpolation = figures_.choice.interpolation;
    if (figures_.textbook) {
        record.pulses = lastPulses_;
        record.method =
            std::visit(Overloaded{[](const ComparisonStep&) { return Method::Comparison; },
                                  [](const IntegrationStep&) { return Method::Integration; }},
                       *lastPulses_);
    } else {
        record.pulses.reset();
    }
    for (StepObserver* observer : observers_) observer->interpolated(record, s);
}

SegmentState Interpolator::unreachableOrRunning(const Segment& s, const Registers& r,
                                                Decimal dlstep) {
    const bool unreachable = isLine(s.gmode) ? guard_.lineUnreachable(s, r, dlstep)
                                             : guard_.arcUnreachable(s, r, dlstep);
    return unreachable ? SegmentState::Unreachable : SegmentState::Running;
}

void Interpolator::endSegment(Segment& s, Registers& r, std::int16_t lcolor) {
    if (zcur < 0) {
        const Point3 drawn = ToolPoint{xcur, ycur, zcur}.drawn();
        path_.recordWall(drawn.x, drawn.y, drawn.z);
        if (drawing_) drawing_->wall(drawn, lcolor);
    }
    s.xs = s.xe;
    s.ys = s.ye;
    s.zs = s.ze;
    r.fm = 0;
    outdata_.releasePulses();
    phase = 0;
}

// Directions are written on every step tick, before the routine runs, so
// they are valid whenever a pulse shows.
void Interpolator::writeDirections(const LineArgs& a) {
    outdata_.direction(OutputByte::Axis::X, a.sx < 0);
    outdata_.direction(OutputByte::Axis::Y, a.sy < 0);
    outdata_.direction(OutputByte::Axis::Z, a.sz < 0);
}

void Interpolator::lineint(const LineArgs& a, const Segment& s, Registers& r, Decimal dlstep,
                           std::int16_t lcolor) {
    if (a.dx == 0 && a.dy == 0 && a.dz10 == 0) return;
    const Decimal px0 = r.px, py0 = r.py, pz0 = r.pz;
    // Digital integration: every register receives its axis's increment in
    // millimetres and overflows at the capacity with one step of its axis.
    // The Z register is whole: each sum is rounded, halves to even. A move in
    // the plane adds nothing to it, and a whole number rounds to itself.
    r.jrx += a.dx;
    r.jry += a.dy;
    if (a.dz10 != 0) r.jrz = roundHalfEven(a.dz10 + 10 * r.jrz, 10);
    if (r.jrx >= s.regmax) {
        r.px += dlstep * a.sx;
        r.jrx -= s.regmax;
        outdata_.pulse(OutputByte::Axis::X);
    }
    if (r.jry >= s.regmax) {
        r.py += dlstep * a.sy;
        r.jry -= s.regmax;
        outdata_.pulse(OutputByte::Axis::Y);
    }
    if (Decimal(r.jrz) >= s.regmax) {
        r.pz += dlstep * a.sz;
        r.jrz = roundHalfEven(Decimal(r.jrz) - s.regmax);
        outdata_.pulse(OutputByte::Axis::Z);
    }
    if (r.px == px0 && r.py == py0 && r.pz == pz0) return;
    xcur = s.xs * 10 + r.px;
    ycur = s.ys * 10 + r.py;
    zcur = s.zs * 10 + r.pz;
    stepPoint({s.xs * 10 + px0, s.ys * 10 + py0, s.zs * 10 + pz0}, lcolor);
}

void Interpolator::cwint(const Segment& s, Registers& r, Decimal dlstep, std::int16_t lcolor) {
    arcStep(true, s, r, dlstep, lcolor);
}

void Interpolator::ccwint(const Segment& s, Registers& r, Decimal dlstep, std::int16_t lcolor) {
    arcStep(false, s, r, dlstep, lcolor);
}

void Interpolator::arcStep(bool clockwise, const Segment& s, Registers& r, Decimal dlstep,
                           std::int16_t lcolor) {
    if (s.xs == s.xe && s.ys == s.ye) return;
    guard_.countArcStep();
    const Decimal cx = figures_.centreX, cy = figures_.centreY;  // the arc centre
    const ToolPoint previous{cx + r.px, cy + r.py, r.pz};
    const auto& table = clockwise ? cwMoves : ccwMoves;
    const ArcMove move = table[r.fm < 0][r.px < 0][r.py < 0];
    Decimal& p = move.axis == OutputByte::Axis::X ? r.px : r.py;
    p += move.sign > 0 ? dlstep : -dlstep;
    outdata_.pulse(move.axis);
    outdata_.direction(move.axis, move.sign < 0);
    xcur = cx + r.px;
    ycur = cy + r.py;
    zcur = r.pz;
    stepPoint(previous, lcolor);
    // Recomputed in full from the new position, never updated incrementally;
    // the radius squared comes from the offsets, never from a rounded root.
    r.fm = Squared::of(r.px) + Squared::of(r.py) - figures_.r2;
}

void Interpolator::startRun() {
    xcur = ycur = 0;
    zcur = 600;
    phase = 0;
    pointsShown_ = panel_.showsMotion();
    panel_.pointShown(0, 0, 60);
}

// Nothing is worked out for a panel or views that would not show it.
void Interpolator::stepPoint(const ToolPoint& previous, std::int16_t lcolor) {
    guard_.pointMoved();
    const bool belowSurface = zcur <= 0;
    Point3 to{};
    if ((belowSurface && path_.keepsPoints()) || drawing_) to = ToolPoint{xcur, ycur, zcur}.drawn();
    if (belowSurface && path_.recordStep(to.x, to.y, to.z)) panel_.cutThinned();
    if (pointsShown_) panel_.pointShown(millimetres(xcur), millimetres(ycur), millimetres(zcur));
    if (drawing_) {
        // A step mostly starts where the one before ended, drawn already.
        if (previous == lastDrawn_) {
            drawing_->stepOn(to, lcolor);
        } else {
            drawing_->step(previous.drawn(), to, lcolor);
        }
        lastDrawn_ = {xcur, ycur, zcur};
    }
}

}  // namespace tarvo::motion
