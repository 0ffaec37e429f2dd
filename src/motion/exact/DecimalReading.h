#pragma once

#include <cstdint>
#include <string_view>

#include "motion/exact/Decimal.h"

namespace tarvo::motion {

// A number text read as an exact decimal: its value, or why it has none.
struct DecimalReading {
    enum class Fault : std::int8_t {
        None,
        NotNumber,  // not a sign, digits and point with an optional exponent
        TooLarge,   // beyond ±Decimal::maxRead
        TooFine,    // a digit other than 0 past the 8th place after the point
    };

    Decimal value;
    Fault fault = Fault::None;

    constexpr DecimalReading() = default;
    constexpr DecimalReading(Decimal v) : value(v) {}
    constexpr DecimalReading(Fault f) : fault(f) {}
    constexpr bool exact() const { return fault == Fault::None; }
};

// A whole text, nothing before or after: an optional sign, digits with at
// most one point (at least one digit), then optionally "e" or "E" with an
// optionally signed whole exponent. "12.5", "-.5", "5.", "+2", "1e1" and
// "0.10000000000" read exactly; "0.000000001" is too fine, "1e9" too large.
DecimalReading readDecimal(std::string_view text);

}  // namespace tarvo::motion
