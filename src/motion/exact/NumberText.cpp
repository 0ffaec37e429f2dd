#include "motion/exact/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "motion/exact/ShortestDigits.h"

namespace tarvo::motion {

namespace {

// The digits of a magnitude, last first, at least `count` of them. Most
// values fit in 64 bits, whose division by 10 is a multiplication; only the
// rest take the far slower 128-bit division, until what is left fits.
char* reversedDigits(WideUnsigned m, std::size_t count, char* out) {
    char* const first = out;
    while (m > UINT64_MAX) {
        *out++ = static_cast<char>('0' + static_cast<int>(m % 10));
        m /= 10;
    }
    for (auto n = static_cast<std::uint64_t>(m);
         n != 0 || static_cast<std::size_t>(out - first) < count; n /= 10) {
        *out++ = static_cast<char>('0' + n % 10);
    }
    return out;
}

// value / 10^places written out in full, trailing zeros trimmed.
std::string fixedText(Wide value, int places) {
    const auto fraction = static_cast<std::size_t>(places);
    std::array<char, 48> digits{};  // 39 digits of a 128-bit value, and a zero before the point
    char* const end = reversedDigits(magnitude(value), fraction + 1, digits.data());
    std::reverse(digits.data(), end);
    const auto length = static_cast<std::size_t>(end - digits.data());
    const std::size_t point = length - fraction;
    std::size_t last = length;
    while (last > point && digits[last - 1] == '0') --last;
    std::string text;
    text.reserve(last + 2);
    if (value < 0) text += '-';
    text.append(digits.data(), point);
    if (last > point) text.append(1, '.').append(digits.data() + point, last - point);
    return text;
}

// A magnitude laid out as charconv's to_chars lays out a double without a
// format: its shortest digits written out in full, a whole number with every
// digit of its exact value ("5088143117563430912"), or in scientific
// notation with an exponent of at least two digits when that is shorter
// ("1e+16", "1e-05").
std::string shortestText(double magnitude) {
    const ShortestDigits d = shortestDigits(magnitude);
    const auto count = static_cast<int>(d.digits.size());
    const int e = d.exponent;
    std::string fixed;
    if (e >= count - 1) {
        std::array<char, 320> whole{};  // the largest double has 309 digits
        std::snprintf(whole.data(), whole.size(), "%.0f", magnitude);
        fixed = whole.data();
    } else if (e >= 0) {
        fixed = d.digits;
        fixed.insert(static_cast<std::size_t>(e + 1), 1, '.');
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
    }
    std::string scientific = d.digits.substr(0, 1);
    if (count > 1) scientific += '.' + d.digits.substr(1);
    const std::string power = std::to_string(std::abs(e));
    scientific += (e < 0 ? "e-" : "e+") + std::string(power.size() < 2 ? 1 : 0, '0') + power;
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

}  // namespace

std::string numberText(double value) {
    if (value == 0) return "0";  // also for -0
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string exactText(double value) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) return sign + "nan";
    if (std::isinf(value)) return sign + "inf";
    if (value == 0) return sign + "0";
    return sign + shortestText(std::abs(value));
}

std::string exactText(Decimal value) {
    return fixedText(value.units(), Decimal::places);
}

std::string exactText(Squared value) {
    return fixedText(value.units(), Squared::places);
}

std::string millimetreText(Decimal tenths) {
    return fixedText(tenths.units(), Decimal::places + 1);
}

}  // namespace tarvo::motion
