#include "motion/Interpolator.h"

#include <cmath>

#include "motion/MotionPanel.h"
#include "motion/OutputByte.h"
#include "motion/Rounding.h"
#include "motion/StoredPath.h"

namespace tarvo::motion {

namespace {

double square(double v) {
    return v * v;
}

double arcRadius10(const Segment& s) {
    return std::sqrt(square(s.jc) + square(s.ic)) * 10;
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
                           StepDrawing& drawing)
    : outdata_(outdata), path_(path), panel_(panel), drawing_(drawing) {}

SegmentState Interpolator::tick(Segment& s, Registers& r, double dlstep) {
    if (s.empty()) return SegmentState::Ended;
    ++phase;
    std::int16_t lcolor = 0;  // a reset tick draws in black
    if (phase == 1) {
        ++stepTicks;
        ++iterations_;
        lcolor = s.gmode == Mode::Rapid ? 15 : 14;
        if (observers_.empty()) {
            interpolate(s, r, dlstep, lcolor);
        } else {
            const Registers before = r;
            interpolate(s, r, dlstep, lcolor);
            tellObservers(before, s, r);
        }
    }
    if (phase == 2) {
        outdata_.releasePulses();
        phase = 0;
    }
    if (distanceToEnd(s) >= dlstep) return unreachableOrRunning(s, r, dlstep);
    endSegment(s, r, lcolor);
    return SegmentState::Ended;
}

void Interpolator::interpolate(const Segment& s, Registers& r, double dlstep, std::int16_t lcolor) {
    switch (s.gmode) {
        case Mode::Rapid:
        case Mode::Line:
            lineint(prepareLine(s), s, r, dlstep, lcolor);
            break;
        case Mode::Clockwise:
            cwint(s, r, arcRadius10(s), dlstep, lcolor);
            break;
        case Mode::CounterClockwise:
            ccwint(s, r, arcRadius10(s), dlstep, lcolor);
            break;
    }
}

double Interpolator::distanceToEnd(const Segment& s) const {
    return std::sqrt(square(10 * s.ye - ycur) + square(10 * s.xe - xcur) +
                     square(10 * s.ze - zcur));
}

void Interpolator::restore(const Scalars& s) {
    xcur = s.xcur;
    ycur = s.ycur;
    zcur = s.zcur;
    phase = s.phase;
    stepTicks = s.stepTicks;
    iterations_ = s.iterations;
    guard_ = s.guard;
}

// The position registers' change tells which axes were fed and which way.
// A step tick never resets anything, so the end test that follows measures
// the very distance the record carries.
void Interpolator::tellObservers(const Registers& before, const Segment& s, const Registers& r) {
    StepRecord record;
    record.before = before;
    const auto fed = [](double from, double to) -> std::int8_t {
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
    record.distance = distanceToEnd(s);
    for (StepObserver* observer : observers_) observer->interpolated(record, s);
}

SegmentState Interpolator::unreachableOrRunning(const Segment& s, const Registers& r,
                                                double dlstep) {
    bool unreachable = false;
    if (isLine(s.gmode)) {
        unreachable = guard_.lineUnreachable(s, r, dlstep);
    } else {
        unreachable = guard_.arcUnreachable(s, r, dlstep, arcRadius10(s));
    }
    return unreachable ? SegmentState::Unreachable : SegmentState::Running;
}

void Interpolator::endSegment(Segment& s, Registers& r, std::int16_t lcolor) {
    if (zcur < 0) {
        path_.recordWall(xcur, ycur, zcur);
        drawing_.wall({xcur, ycur, zcur}, lcolor);
    }
    s.xs = s.xe;
    s.ys = s.ye;
    s.zs = s.ze;
    r.fm = 0;
    outdata_.releasePulses();
    phase = 0;
}

Interpolator::LineArgs Interpolator::prepareLine(const Segment& s) {
    // Directions are written on every step tick, before the routine runs, so
    // they are valid whenever a pulse shows.
    const auto sign = [](double end, double start) -> std::int16_t {
        return end >= start ? 1 : -1;
    };
    const LineArgs a{std::abs(s.xe - s.xs) * 10, std::abs(s.ye - s.ys) * 10, s.dz10(),
                     sign(s.xe, s.xs),           sign(s.ye, s.ys),           sign(s.ze, s.zs)};
    outdata_.direction(OutputByte::Axis::X, a.sx < 0);
    outdata_.direction(OutputByte::Axis::Y, a.sy < 0);
    outdata_.direction(OutputByte::Axis::Z, a.sz < 0);
    return a;
}

void Interpolator::lineint(const LineArgs& a, const Segment& s, Registers& r, double dlstep,
                           std::int16_t lcolor) {
    if (a.dx10 == 0 && a.dy10 == 0 && a.dz10 == 0) return;
    const double px0 = r.px, py0 = r.py, pz0 = r.pz;
    // Digital integration: every register receives its axis's increment in
    // millimetres and overflows at the capacity with one step of its axis.
    r.jrx += a.dx10 / 10;
    r.jry += a.dy10 / 10;
    r.jrz = toWide(static_cast<double>(a.dz10) / 10 + static_cast<double>(r.jrz));
    if (r.jrx >= s.regmax) {
        r.px += a.sx * dlstep;
        r.jrx -= s.regmax;
        outdata_.pulse(OutputByte::Axis::X);
    }
    if (r.jry >= s.regmax) {
        r.py += a.sy * dlstep;
        r.jry -= s.regmax;
        outdata_.pulse(OutputByte::Axis::Y);
    }
    if (static_cast<double>(r.jrz) >= s.regmax) {
        r.pz += a.sz * dlstep;
        r.jrz = toWide(static_cast<double>(r.jrz) - s.regmax);
        outdata_.pulse(OutputByte::Axis::Z);
    }
    if (r.px == px0 && r.py == py0 && r.pz == pz0) return;
    xcur = 10 * s.xs + r.px;
    ycur = 10 * s.ys + r.py;
    zcur = 10 * s.zs + r.pz;
    stepPoint({10 * s.xs + px0, 10 * s.ys + py0, 10 * s.zs + pz0}, lcolor);
}

void Interpolator::cwint(const Segment& s, Registers& r, double r10, double dlstep,
                         std::int16_t lcolor) {
    arcStep(true, s, r, r10, dlstep, lcolor);
}

void Interpolator::ccwint(const Segment& s, Registers& r, double r10, double dlstep,
                          std::int16_t lcolor) {
    arcStep(false, s, r, r10, dlstep, lcolor);
}

void Interpolator::arcStep(bool clockwise, const Segment& s, Registers& r, double r10,
                           double dlstep, std::int16_t lcolor) {
    const double px0 = r.px, py0 = r.py, pz0 = r.pz;
    if (s.xs == s.xe && s.ys == s.ye) return;
    guard_.countArcStep();
    const auto& table = clockwise ? cwMoves : ccwMoves;
    const ArcMove move = table[r.fm < 0][r.px < 0][r.py < 0];
    double& p = move.axis == OutputByte::Axis::X ? r.px : r.py;
    p += move.sign * dlstep;
    outdata_.pulse(move.axis);
    outdata_.direction(move.axis, move.sign < 0);
    if (r.px == px0 && r.py == py0 && r.pz == pz0) return;
    const double cx = 10 * (s.xs - s.ic), cy = 10 * (s.ys - s.jc);  // the arc centre
    xcur = cx + r.px;
    ycur = cy + r.py;
    zcur = r.pz;
    stepPoint({cx + px0, cy + py0, pz0}, lcolor);
    // Recomputed in full from the new position, never updated incrementally.
    r.fm = r.px * r.px + r.py * r.py - r10 * r10;
}

void Interpolator::stepPoint(const Point3& previous, std::int16_t lcolor) {
    guard_.pointMoved();
    if (zcur <= 0) path_.recordStep(xcur, ycur, zcur);
    panel_.pointShown(xcur / 10, ycur / 10, zcur / 10);
    drawing_.step(previous, {xcur, ycur, zcur}, lcolor);
}

}  // namespace tarvo::motion
