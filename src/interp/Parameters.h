#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvo::interp {

// The values a run takes from the parameter dialog.
struct Parameters {
    double g54x = 0, g54y = 0, g54z = 0;  // work-piece origin, mm (shown, not applied)
    std::int16_t bei = 1;                 // magnification of the views
    double dl = 1;                        // pulse equivalent, mm per step

    static constexpr std::int16_t maxBei = 1000;
    static constexpr double minDl = 0.001;
    static constexpr double maxDl = 100;
};

// Why these values cannot drive a run (the message shown), or nothing when
// they can. Steps of zero, negative or absurd length would never end a move.
std::optional<std::string_view> parameterProblem(const Parameters& p);

}  // namespace tarvo::interp
