#include "motion/exact/ShortestDigits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "motion/exact/Wide.h"

namespace tarvo::motion {

namespace {

// Written as a whole number and an exponent, so that no locale's decimal
// point comes into it.
double valueOf(std::string_view digits, long long exponent) {
    const std::string text = std::string(digits) + 'e' + std::to_string(exponent);
    return std::strtod(text.c_str(), nullptr);
}

bool readsBack(const ShortestDigits& d, double magnitude) {
    const auto places = static_cast<long long>(d.digits.size()) - 1;
    return valueOf(d.digits, d.exponent - places) == magnitude;
}

// The digits correctly rounded to `count` significant ones.
ShortestDigits rounded(double magnitude, int count) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%.*e", count - 1, magnitude);
    const std::string_view written(text.data());
    const std::size_t e = written.find('e');
    ShortestDigits d;
    for (const char c : written.substr(0, e)) {
        if (c >= '0' && c <= '9') d.digits += c;  // skips the point, whatever the locale's
    }
    d.exponent = std::atoi(text.data() + e + 1);
    return d;
}

// The neighbour one unit up or down in the last digit, its trailing zeros
// dropped: "1999" up is "2", "1000" down is "0999", that is "999" an
// exponent lower.
ShortestDigits neighbour(ShortestDigits d, int direction) {
    std::size_t i = d.digits.size();
    while (i-- > 0) {
        char& c = d.digits[i];
        const char wrap = direction > 0 ? '9' : '0';
        if (c != wrap) {
            c = static_cast<char>(c + direction);
            break;
        }
        c = direction > 0 ? '0' : '9';
    }
    if (i == static_cast<std::size_t>(-1)) {  // carried out of the first digit: 99 → 100
        d.digits.insert(0, 1, '1');
        ++d.exponent;
    }
    while (d.digits.size() > 1 && d.digits.front() == '0') {
        d.digits.erase(0, 1);
        --d.exponent;
    }
    return d;
}

void dropTrailingZeros(ShortestDigits& d) {
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 1 : last + 1);
}

// The digits at the front of the text, taken off it.
std::string_view takeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') ++count;
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// A whole exponent; one beyond a billion counts as a billion, which puts any
// value beyond the doubles or below them just the same.
long long exponentOf(std::string_view digits) {
    constexpr long long cap = 1'000'000'000;
    long long value = 0;
    for (const char c : digits) value = std::min(value * 10 + (c - '0'), cap);
    return value;
}

constexpr std::uint64_t powersOfTen[20] = {1,
                                           10,
                                           100,
                                           1000,
                                           10000,
                                           100000,
                                           1000000,
                                           10000000,
                                           100000000,
                                           1000000000,
                                           10000000000,
                                           100000000000,
                                           1000000000000,
                                           10000000000000,
                                           100000000000000,
                                           1000000000000000,
                                           10000000000000000,
                                           100000000000000000,
                                           1000000000000000000,
                                           10000000000000000000U};

// A bound of the interval that reads back to the double, scaled:
// ⌊x·2^-shift·10^places⌋, and whether nothing was cut off.
struct Scaled {
    std::uint64_t floor;
    bool exact;
};
Scaled scaled(std::uint64_t x, int shift, int places) {
    const WideUnsigned product = static_cast<WideUnsigned>(x) * powersOfTen[places];
    const WideUnsigned cut = product & ((WideUnsigned{1} << shift) - 1);
    return {static_cast<std::uint64_t>(product >> shift), cut == 0};
}

// The whole number of the interval [low, high] with the fewest digits,
// nearest to `mid` among those: digits are taken off all three together as
// long as the shortened interval still holds a whole number. Whether the
// bounds belong to the interval decides on its edges, and the digits taken
// off `mid` decide its rounding, halves to even.
QuickDigits fewestDigits(Scaled low, Scaled mid, std::uint64_t high, bool bounds) {
    bool lowTrailingZeros = bounds && low.exact, midTrailingZeros = mid.exact;
    std::uint64_t vm = low.floor, vr = mid.floor, vp = high;
    int removed = 0;
    int lastRemoved = 0;
    const auto takeDigit = [&] {
        midTrailingZeros &= lastRemoved == 0;
        lastRemoved = static_cast<int>(vr % 10);
        vr /= 10;
        vp /= 10;
        vm /= 10;
        ++removed;
    };
    while (vp / 10 > vm / 10) {
        lowTrailingZeros &= vm % 10 == 0;
        takeDigit();
    }
    // The low bound itself, when it belongs, may end in more zeros.
    while (lowTrailingZeros && vm % 10 == 0 && vm != 0) takeDigit();
    if (midTrailingZeros && lastRemoved == 5 && vr % 2 == 0) lastRemoved = 4;
    std::uint64_t significand =
        vr + ((vr == vm && (!bounds || !lowTrailingZeros)) || lastRemoved >= 5);
    while (significand % 10 == 0) {
        significand /= 10;
        ++removed;
    }
    return {significand, removed};
}

}  // namespace

std::optional<QuickDigits> quickShortestDigits(double magnitude) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    constexpr std::uint64_t hidden = std::uint64_t{1} << 52;
    const std::uint64_t fraction = bits & (hidden - 1);
    // magnitude = m·2^e, and it lies in [2^top, 2^(top + 1)).
    const int e = biased - 1075, top = e + 52;
    if (top < -3 || top > 52) return std::nullopt;
    const std::uint64_t m = fraction | hidden;
    // The interval of texts that read back runs halfway to each neighbour,
    // the one below a quarter away at a power of two; in units of 2^(e−2).
    const std::uint64_t mid = 4 * m, high = mid + 2, low = mid - (fraction == 0 ? 1 : 2);
    // strtod takes a text halfway between two doubles to the even one.
    const bool bounds = m % 2 == 0;
    // As many decimal places as keep the high bound below 2^64:
    // 10^places ≤ 2^(63 − top), ⌊(63 − top)·log10 2⌋, from 3 to 19.
    const int places = ((63 - top) * 78913) >> 18;
    const int shift = 2 - e;
    const Scaled vp = scaled(high, shift, places);
    const std::uint64_t vpIn = vp.floor - (!bounds && vp.exact ? 1 : 0);
    QuickDigits d =
        fewestDigits(scaled(low, shift, places), scaled(mid, shift, places), vpIn, bounds);
    d.power -= places;
    return d;
}

ShortestDigits shortestDigits(double magnitude) {
    const std::optional<QuickDigits> quick = quickShortestDigits(magnitude);
    if (!quick) return libraryShortestDigits(magnitude);
    ShortestDigits d;
    d.digits = std::to_string(quick->significand);
    d.exponent = quick->power + static_cast<int>(d.digits.size()) - 1;
    return d;
}

ShortestDigits libraryShortestDigits(double magnitude) {
    // Any text of at most 15 significant digits comes back whole from its
    // nearest normal double rounded to 15 digits, so those digits, their
    // zeros dropped, are the shortest when they read back, and no text of
    // 15 digits or fewer reads back when they do not.
    int count = 1;
    if (magnitude >= std::numeric_limits<double>::min()) {
        ShortestDigits d = rounded(magnitude, 15);
        dropTrailingZeros(d);
        if (readsBack(d, magnitude)) return d;
        count = 16;
    }
    // The correctly rounded digits are the nearest of their length; where
    // they miss, a neighbour may still hit, as just above a power of two,
    // where the doubles below lie twice as close as those above.
    for (;; ++count) {
        ShortestDigits d = rounded(magnitude, count);
        for (const ShortestDigits& candidate : {d, neighbour(d, 1), neighbour(d, -1)}) {
            if (!readsBack(candidate, magnitude)) continue;
            ShortestDigits found = candidate;
            dropTrailingZeros(found);
            return found;
        }
    }
}

std::optional<double> readDouble(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    std::string digits(takeDigits(text));
    std::size_t places = 0;
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        const std::string_view fraction = takeDigits(text);
        digits += fraction;
        places = fraction.size();
    }
    if (digits.empty()) return std::nullopt;
    long long exponent = 0;
    if (text.starts_with('e') || text.starts_with('E')) {
        text.remove_prefix(1);
        const bool down = text.starts_with('-');
        if (down || text.starts_with('+')) text.remove_prefix(1);
        const std::string_view written = takeDigits(text);
        if (written.empty()) return std::nullopt;
        exponent = down ? -exponentOf(written) : exponentOf(written);
    }
    if (!text.empty()) return std::nullopt;
    const double magnitude = valueOf(digits, exponent - static_cast<long long>(places));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (!std::isfinite(magnitude) || (magnitude == 0 && !zero)) return std::nullopt;
    return negative ? -magnitude : magnitude;
}

}  // namespace tarvo::motion
