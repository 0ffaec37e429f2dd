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

// value / 10^places written out in full, trailing zeros trimmed. A value
// that fits 64 bits, as nearly all do, is split at the point by one
// division by a constant and its fraction stripped of zeros before it is
// written; the rest are written digit by digit.
template <int places>
void appendFixed(std::string& text, Wide value) {
    static_assert(places < 20);
    const WideUnsigned m = magnitude(value);
    if (m <= UINT64_MAX) {
        constexpr std::uint64_t scale = [] {
            std::uint64_t p = 1;
            for (int i = 0; i < places; ++i) p *= 10;
            return p;
        }();
        const auto n = static_cast<std::uint64_t>(m);
        // Laid out whole in one buffer, so that it joins the text at once.
        std::array<char, 48> out;
        char* at = out.data();
        if (value < 0) *at++ = '-';
        at = std::to_chars(at, out.data() + out.size(), n / scale).ptr;
        if (std::uint64_t fraction = n % scale; fraction != 0) {
            int shown = places;
            // Most fractions end in a long run of zeros: off in fours, then one by one.
            for (; shown > 4 && fraction % 10000 == 0; fraction /= 10000) shown -= 4;
            for (; fraction % 10 == 0; fraction /= 10) --shown;
            *at = '.';
            for (int i = shown; i > 0; --i, fraction /= 10) {
                at[i] = static_cast<char>('0' + fraction % 10);
            }
            at += shown + 1;
        }
        text.append(out.data(), at);
        return;
    }
    if (value < 0) text += '-';
    const auto fraction = static_cast<std::size_t>(places);
    std::array<char, 48> digits{};  // 39 digits of a 128-bit value, and a zero before the point
    char* const end = reversedDigits(m, fraction + 1, digits.data());
    std::reverse(digits.data(), end);
    const auto length = static_cast<std::size_t>(end - digits.data());
    const std::size_t point = length - fraction;
    std::size_t last = length;
    while (last > point && digits[last - 1] == '0') --last;
    text.append(digits.data(), point);
    if (last > point) text.append(1, '.').append(digits.data() + point, last - point);
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

void appendScientific(std::string& text, const Digits& d) {
    text += d.text[0];
    if (d.count > 1) text.append(1, '.').append(d.text.data() + 1, d.text.data() + d.count);
    text += d.exponent < 0 ? "e-" : "e+";
    const int e = std::abs(d.exponent);
    if (e < 10) text += '0';
    std::array<char, 8> power{};
    text.append(power.data(), std::to_chars(power.data(), power.data() + power.size(), e).ptr);
}

// A magnitude laid out as charconv's to_chars lays out a double without a
// format: its shortest digits written out in full, a whole number with every
// digit of its exact value ("5088143117563430912"), or in scientific
// notation with an exponent of at least two digits when that is shorter
// ("1e+16", "1e-05").
void appendShortest(std::string& text, double magnitude) {
    const Digits d = digitsOf(magnitude);
    const int count = d.count, e = d.exponent;
    const int scientific = count + (count > 1 ? 1 : 0) + 2 + (std::abs(e) >= 100 ? 3 : 2);
    if (e >= count - 1 && magnitude >= 0x1p53) {
        // Beyond 2^53 the whole number's digits are not the shortest ones.
        std::array<char, 320> whole{};  // the largest double has 309 digits
        const int length = std::snprintf(whole.data(), whole.size(), "%.0f", magnitude);
        if (length <= scientific) return void(text.append(whole.data(), length));
    } else if (e >= count - 1) {
        if (e + 1 <= scientific) {
            text.append(d.text.data(), count).append(static_cast<std::size_t>(e + 1 - count), '0');
            return;
        }
    } else if (e >= 0) {
        text.append(d.text.data(), e + 1).append(1, '.');
        text.append(d.text.data() + e + 1, d.text.data() + count);
        return;
    } else if (count + 1 - e <= scientific) {
        text.append("0.").append(static_cast<std::size_t>(-e - 1), '0');
        text.append(d.text.data(), count);
        return;
    }
    appendScientific(text, d);
}

}  // namespace

std::string numberText(double value) {
    if (value == 0) return "0";  // also for -0
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

void appendExactText(std::string& text, double value) {
    if (std::signbit(value)) text += '-';
    if (std::isnan(value)) return void(text += "nan");
    if (std::isinf(value)) return void(text += "inf");
    if (value == 0) return void(text += '0');
    appendShortest(text, std::abs(value));
}

void appendExactText(std::string& text, Decimal value) {
    appendFixed<Decimal::places>(text, value.units());
}

void appendExactText(std::string& text, Squared value) {
    appendFixed<Squared::places>(text, value.units());
}

void appendWholeText(std::string& text, std::int64_t value) {
    std::array<char, 24> digits;
    text.append(digits.data(),
                std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
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
    appendFixed<Decimal::places + 1>(text, tenths.units());
    return text;
}

}  // namespace tarvo::motion
