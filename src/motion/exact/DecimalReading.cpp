#include "motion/exact/DecimalReading.h"

#include <algorithm>
#include <string>

namespace tarvo::motion {

namespace {

using Fault = DecimalReading::Fault;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of a mantissa with the point taken out, and how many followed it.
struct Mantissa {
    std::string digits;
    std::int64_t after = 0;
};

// Reads "digits[.digits]" from `i`; false when there is no digit.
bool readMantissa(std::string_view text, std::size_t& i, Mantissa& m) {
    bool point = false;
    bool digit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digit = true;
            m.digits += text[i];
            if (point) ++m.after;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return digit;
}

// Reads "e[sign]digits" from `i`; a huge exponent is clamped, which leaves
// what it says about the value (too large or too fine) unchanged.
bool readExponent(std::string_view text, std::size_t& i, std::int64_t& exponent) {
    if (i == text.size()) return true;
    if (text[i] != 'e' && text[i] != 'E') return false;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return false;
        exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000'000);
    }
    if (negative) exponent = -exponent;
    return true;
}

// value = digits × 10^power, digits without leading or trailing zeros.
DecimalReading exactValue(std::string_view digits, std::int64_t power, bool negative) {
    if (digits.empty()) return Decimal{};
    const std::int64_t unitPower = power + Decimal::places;
    constexpr std::int64_t maxDigits = 17;  // Decimal::maxRead: seventeen nines of units
    if (static_cast<std::int64_t>(digits.size()) + unitPower > maxDigits) return Fault::TooLarge;
    if (unitPower < 0) return Fault::TooFine;
    std::int64_t units = 0;
    for (const char c : digits) units = units * 10 + (c - '0');
    for (std::int64_t k = 0; k < unitPower; ++k) units *= 10;
    return Decimal::fromUnits(negative ? -units : units);
}

}  // namespace

DecimalReading readDecimal(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    Mantissa m;
    std::int64_t exponent = 0;
    if (!readMantissa(text, i, m) || !readExponent(text, i, exponent)) return Fault::NotNumber;
    std::string_view digits = m.digits;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    const std::size_t last = digits.find_last_not_of('0');
    const std::size_t trailing = last == std::string_view::npos ? 0 : digits.size() - 1 - last;
    digits.remove_suffix(trailing);
    return exactValue(digits, exponent - m.after + static_cast<std::int64_t>(trailing), negative);
}

}  // namespace tarvo::motion
