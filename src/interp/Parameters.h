#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "motion/Decimal.h"
#include "motion/DecimalReading.h"

namespace tarvo::interp {

// The values a run takes from the parameter dialog. The origin and the pulse
// equivalent are decimals as their texts read (motion::readDecimal): exact
// values, or why a text gave none, which parameterProblem refuses.
struct Parameters {
    motion::DecimalReading g54x = {}, g54y = {},
                           g54z = {};                // work-piece origin, mm (shown, not applied)
    std::int16_t bei = 1;                            // magnification of the views
    motion::DecimalReading dl = motion::Decimal(1);  // pulse equivalent, mm per step

    static constexpr std::int16_t maxBei = 1000;
    static constexpr motion::Decimal minDl =
        motion::Decimal::fromUnits(motion::Decimal::one / 1000);
    static constexpr motion::Decimal maxDl = motion::Decimal(100);
};

// Why these values cannot drive a run (the message shown), or nothing when
// they can. Steps of zero, negative or absurd length would never end a move.
std::optional<std::string_view> parameterProblem(const Parameters& p);

}  // namespace tarvo::interp
