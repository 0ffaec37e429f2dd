#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "motion/Interpolation.h"
#include "motion/exact/Decimal.h"
#include "motion/exact/DecimalReading.h"

namespace tarvo::interp {

// The values a run takes from the parameter dialog. The origin and the pulse
// equivalent are decimals as their texts read (motion::readDecimal): exact
// values, or why a text gave none, which parameterProblem refuses.
struct Parameters {
    motion::DecimalReading g54x = {}, g54y = {},
                           g54z = {};                // work-piece origin, mm (shown, not applied)
    std::int16_t bei = 1;                            // magnification of the views
    motion::DecimalReading dl = motion::Decimal(1);  // pulse equivalent, mm per step
    motion::MethodChoice method = {};                // the methods lines and arcs are stepped by

    static constexpr std::int16_t maxBei = 1000;
    static constexpr motion::Decimal minDl =
        motion::Decimal::fromUnits(motion::Decimal::one / 1000);
    static constexpr motion::Decimal maxDl = motion::Decimal(100);
};

// The parameter dialog's texts and the runner's options read alike: blanks
// around a number (ASCII white space, no-break and ideographic spaces) are
// no part of it; the rest is read by motion::readDecimal.
motion::DecimalReading readParameter(std::string_view text);
// The magnification's text, rounded halves to even; nothing when it is no
// number or does not fit 16 bits.
std::optional<std::int16_t> readMagnification(std::string_view text);

// Why these values cannot drive a run (the message shown, in the spoken
// language), or nothing when they can. Steps of zero, negative or absurd
// length would never end a move.
std::optional<std::string_view> parameterProblem(const Parameters& p);

}  // namespace tarvo::interp
