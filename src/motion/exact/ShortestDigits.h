#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::motion {

// The fewest significant digits that read back to the very same double, and
// where the point goes: the value is digits[0].digits[1…] × 10^exponent. Of
// two such texts the nearer to the double wins. Both C libraries the runner
// is built with round printf and strtod correctly, so the digits are the
// same whichever made them.
struct ShortestDigits {
    std::string digits;  // no trailing zero
    int exponent = 0;
};
// A finite, positive magnitude.
ShortestDigits shortestDigits(double magnitude);
// The same digits by the C library alone: printf's correctly rounded digits,
// tried with strtod. Slow, for any magnitude; what the quick way is held to.
ShortestDigits libraryShortestDigits(double magnitude);

// The same digits as one whole number, significand × 10^power, worked out
// with 64-bit integers and one 64 × 64-bit product, for the magnitudes the
// tables show: from 2^-3 to below 2^53 (an eighth of a tenth of a
// millimetre to far beyond any length the machine reaches). Nothing outside.
struct QuickDigits {
    std::uint64_t significand = 0;  // no trailing zero
    int power = 0;
};
std::optional<QuickDigits> quickShortestDigits(double magnitude);

// The double nearest to a decimal text, read as charconv's from_chars reads
// one: an optional minus, digits with at most one point (at least one
// digit), then optionally "e" or "E" and an optionally signed exponent.
// Nothing for any other text, for a value beyond the doubles and for one
// not 0 that comes out as 0.
std::optional<double> readDouble(std::string_view text);

}  // namespace tarvo::motion
