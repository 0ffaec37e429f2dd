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

// A whole number's digits at `out`; the end returned.
char* writeDigits(char* out, std::uint64_t n) {
    return std::to_chars(out, out + 20, n).ptr;
}

// n / 10^places written out in full at `out`, trailing zeros trimmed, the
// end returned. Split at the point by one division by a constant, its
// fraction stripped of zeros before it is written.
template <int places>
char* writeFixed64(char* at, bool negative, std::uint64_t n) {
    static_assert(places < 20);
    constexpr std::uint64_t scale = [] {
        std::uint64_t p = 1;
        for (int i = 0; i < places; ++i) p *= 10;
        return p;
    }();
    if (negative) *at++ = '-';
    at = writeDigits(at, n / scale);
    std::uint64_t fraction = n % scale;
    if (fraction == 0) return at;
    int shown = places;
    // Most fractions end in a long run of zeros: off in fours, then one by one.
    for (; shown > 4 && fraction % 10000 == 0; fraction /= 10000) shown -= 4;
    for (; fraction % 10 == 0; fraction /= 10) --shown;
    *at = '.';
    for (int i = shown; i > 0; --i, fraction /= 10) {
        at[i] = static_cast<char>('0' + fraction % 10);
    }
    return at + shown + 1;
}

// value / 10^places likewise, for any value: one that fits 64 bits, as
// nearly all do, as above; the rest digit by digit.
template <int places>
char* writeFixed(char* out, Wide value) {
    const WideUnsigned m = magnitude(value);
    if (m <= UINT64_MAX) return writeFixed64<places>(out, value < 0, static_cast<std::uint64_t>(m));
    if (value < 0) *out++ = '-';
    const auto fraction = static_cast<std::size_t>(places);
    std::array<char, 48> digits{};  // 39 digits of a 128-bit value, and a zero before the point
    char* const end = reversedDigits(m, fraction + 1, digits.data());
    std::reverse(digits.data(), end);
    const auto length = static_cast<std::size_t>(end - digits.data());
    const std::size_t point = length - fraction;
    std::size_t last = length;
    while (last > point && digits[last - 1] == '0') --last;
    out = std::copy(digits.data(), digits.data() + point, out);
    if (last == point) return out;
    *out++ = '.';
    return std::copy(digits.data() + point, digits.data() + last, out);
}

// A text written by one of the writers above, appended.
template <typename Writer>
void appendWritten(std::string& text, Writer write) {
    std::array<char, numberTextRoom> out;
    text.append(out.data(), write(out.data()));
}

// The shortest digits of a magnitude and the power of ten of the first.
struct Digits {
    std::array<char, 24> text{};  // a double's shortest digits are at most 17
    int count = 0, exponent = 0;
};

Digits digitsOf(double magnitude) {
    Digits d;
    if (const std::optional<QuickDigits> quick = quickShortestDigits(magnitude)) {
        d.count = static_cast<int>(
            std::to_chars(d.text.data(), d.text.data() + d.text.size(), quick->significand).ptr -
            d.text.data());
        d.exponent = quick->power + d.count - 1;
        return d;
    }
    const ShortestDigits slow = libraryShortestDigits(magnitude);
    d.count = static_cast<int>(slow.digits.size());
    std::copy(slow.digits.begin(), slow.digits.end(), d.text.data());
    d.exponent = slow.exponent;
    return d;
}

char* writeScientific(char* out, const Digits& d) {
    *out++ = d.text[0];
    if (d.count > 1) {
        *out++ = '.';
        out = std::copy(d.text.data() + 1, d.text.data() + d.count, out);
    }
    *out++ = 'e';
    *out++ = d.exponent < 0 ? '-' : '+';
    const int e = std::abs(d.exponent);
    if (e < 10) *out++ = '0';
    return std::to_chars(out, out + 8, e).ptr;
}

// A magnitude laid out as charconv's to_chars lays out a double without a
// format: its shortest digits written out in full, a whole number with every
// digit of its exact value ("5088143117563430912"), or in scientific
// notation with an exponent of at least two digits when that is shorter
// ("1e+16", "1e-05"). Never longer than the scientific form, 23 bytes.
char* writeShortest(char* out, double magnitude) {
    const Digits d = digitsOf(magnitude);
    const int count = d.count, e = d.exponent;
    const int scientific = count + (count > 1 ? 1 : 0) + 2 + (std::abs(e) >= 100 ? 3 : 2);
    const char* const digits = d.text.data();
    if (e >= count - 1 && magnitude >= 0x1p53) {
        // Beyond 2^53 the whole number's digits are not the shortest ones.
        std::array<char, 320> whole{};  // the largest double has 309 digits
        const int length = std::snprintf(whole.data(), whole.size(), "%.0f", magnitude);
        if (length <= scientific) return std::copy(whole.data(), whole.data() + length, out);
    } else if (e >= count - 1) {
        if (e + 1 <= scientific) {
            out = std::copy(digits, digits + count, out);
            return std::fill_n(out, e + 1 - count, '0');
        }
    } else if (e >= 0) {
        out = std::copy(digits, digits + e + 1, out);
        *out++ = '.';
        return std::copy(digits + e + 1, digits + count, out);
    } else if (count + 1 - e <= scientific) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -e - 1, '0');
        return std::copy(digits, digits + count, out);
    }
    return writeScientific(out, d);
}

}  // namespace

std::string numberText(double value) {
    if (value == 0) return "0";  // also for -0
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

char* writeExactText(char* out, double value) {
    if (std::signbit(value)) *out++ = '-';
    if (std::isnan(value)) return std::copy_n("nan", 3, out);
    if (std::isinf(value)) return std::copy_n("inf", 3, out);
    if (value == 0) return std::fill_n(out, 1, '0');
    return writeShortest(out, std::abs(value));
}

char* writeExactText(char* out, Decimal value) {
    const std::int64_t units = value.units();
    const std::uint64_t magnitude = units < 0 ? 0 - static_cast<std::uint64_t>(units) : units;
    return writeFixed64<Decimal::places>(out, units < 0, magnitude);
}

char* writeExactText(char* out, Squared value) {
    return writeFixed<Squared::places>(out, value.units());
}

char* writeWholeText(char* out, std::int64_t value) {
    return std::to_chars(out, out + 20, value).ptr;
}

void appendExactText(std::string& text, double value) {
    appendWritten(text, [value](char* out) { return writeExactText(out, value); });
}

void appendExactText(std::string& text, Decimal value) {
    appendWritten(text, [value](char* out) { return writeExactText(out, value); });
}

void appendExactText(std::string& text, Squared value) {
    appendWritten(text, [value](char* out) { return writeExactText(out, value); });
}

void appendWholeText(std::string& text, std::int64_t value) {
    appendWritten(text, [value](char* out) { return writeWholeText(out, value); });
}

std::string exactText(double value) {
    std::string text;
    appendExactText(text, value);
    return text;
}

std::string exactText(Decimal value) {
    std::string text;
    appendExactText(text, value);
    return text;
}

std::string exactText(Squared value) {
    std::string text;
    appendExactText(text, value);
    return text;
}

std::string millimetreText(Decimal tenths) {
    std::string text;
    appendWritten(
        text, [tenths](char* out) { return writeFixed<Decimal::places + 1>(out, tenths.units()); });
    return text;
}

}  // namespace tarvo::motion
