#include "motion/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace tarvo::motion {

namespace {

// value / 10^places written out in full, trailing zeros trimmed.
std::string fixedText(Wide value, int places) {
    const auto fraction = static_cast<std::size_t>(places);
    std::string digits;  // at least one before the point
    for (WideUnsigned m = magnitude(value); m != 0 || digits.size() <= fraction; m /= 10) {
        digits += static_cast<char>('0' + static_cast<int>(m % 10));
    }
    std::reverse(digits.begin(), digits.end());
    const std::size_t point = digits.size() - fraction;
    const std::size_t end = digits.find_last_not_of('0') + 1;
    std::string text;
    if (value < 0) text += '-';
    text.append(digits, 0, point);
    if (end > point) text.append(".").append(digits, point, end - point);
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
