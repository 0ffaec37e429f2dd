#include "motion/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

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

}  // namespace

std::string numberText(double value) {
    if (value == 0) return "0";  // also for -0
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string exactText(double value) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
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
