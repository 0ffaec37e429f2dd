#include "motion/PulseSegment.h"

#include <stdexcept>
#include <string>
#include <string_view>

#include "motion/Methods.h"
#include "words/Catalogue.h"

namespace tarvo::motion {

namespace {

bool isLine(Mode m) {
    return m == Mode::Rapid || m == Mode::Line;
}

// A length in mm as whole pulses of dlstep internal units, halves away from zero.
std::int64_t nearestPulses(Decimal mm, Decimal dlstep, bool& rounded) {
    const std::int64_t n = (mm * 10).units(), d = dlstep.units();
    std::int64_t q = n / d;
    const std::int64_t rest = n % d;
    if (rest != 0) rounded = true;
    if (2 * (rest < 0 ? -rest : rest) >= d) q += n < 0 ? -1 : 1;
    return q;
}

PulseStepper::Stepper stepperOf(const Segment& s, const PulseFigure& f, MethodChoice choice) {
    if (!isLine(s.gmode)) {
        return IntegrationArc(PulseArc(f.start, f.end, s.gmode == Mode::Clockwise), choice.halfLoad,
                              choice.bits);
    }
    if (choice.interpolation == Interpolation::Comparison) return ComparisonLine(f.end);
    return IntegrationLine(f.end, choice.halfLoad, choice.bits);
}

}  // namespace

PulseFigure pulseFigure(const Segment& s, Decimal dlstep) {
    PulseFigure f;
    const auto pulses = [&](Decimal mm) { return nearestPulses(mm, dlstep, f.rounded); };
    if (isLine(s.gmode)) {
        f.end = {pulses(s.xe - s.xs), pulses(s.ye - s.ys)};
    } else {
        f.start = {pulses(s.ic), pulses(s.jc)};
        f.end = {pulses(s.xe - s.xs + s.ic), pulses(s.ye - s.ys + s.jc)};
    }
    return f;
}

std::optional<PulseSegment> pulseSegment(const Segment& s, Decimal dlstep, MethodChoice choice) {
    if (choice.interpolation == Interpolation::Machine) return std::nullopt;
    if (isLine(s.gmode) && s.zs != s.ze) return std::nullopt;
    if (!isLine(s.gmode) && choice.interpolation == Interpolation::Comparison) return std::nullopt;
    const PulseFigure figure = pulseFigure(s, dlstep);
    try {
        return PulseSegment{PulseStepper(stepperOf(s, figure, choice)), figure};
    } catch (const std::invalid_argument& refused) {
        const std::string_view name = methodEntry(choice.interpolation).caption;
        throw std::invalid_argument(words::fill("{1}：{2}", {words::say(name), refused.what()}));
    }
}

}  // namespace tarvo::motion
