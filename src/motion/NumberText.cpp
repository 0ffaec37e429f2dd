#include "motion/NumberText.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace tarvo::motion {

namespace {

// value / 10^places written out in full, trailing zeros trimmed.
std::string fixedText(Wide value, int places) {
    WideUnsigned m = magnitude(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
        m /= 10;
    } while (m != 0);
    if (static_cast<int>(digits.size()) <= places) {
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(places);
    std::string text = (value < 0 ? "-" : "") + digits.substr(0, point);
    const std::string fraction = digits.substr(point);
    const std::size_t last = fraction.find_last_not_of('0');
    if (last != std::string::npos) text += '.' + fraction.substr(0, last + 1);
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
