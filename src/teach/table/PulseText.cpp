#include "teach/table/PulseText.h"

#include <cstdint>

#include "motion/exact/ExactRoot.h"

namespace tarvo::teach {

namespace {

constexpr int exactPlaces = 8;
constexpr int roundedPlaces = 4;

// The digits of n / d (n ≥ 0, d > 0) to the given places, the last one
// rounded half up when `round`; the remainder left over tells the caller
// whether the digits are exact.
// Unsigned is 64 bits wide whenever n and ten times d fit there, so that
// the divisions are never 128-bit ones without need.
template <typename Unsigned>
std::string quotientDigits(Unsigned n, Unsigned d, int places, bool round, Unsigned& rest) {
    Unsigned whole = n / d;
    rest = n % d;
    Unsigned fraction = 0;
    for (int i = 0; i < places; ++i) {
        fraction = fraction * 10 + rest * 10 / d;
        rest = rest * 10 % d;
    }
    Unsigned scale = 1;
    for (int i = 0; i < places; ++i) scale *= 10;
    if (round && 2 * rest >= d && ++fraction == scale) {
        fraction = 0;
        ++whole;
    }
    std::string text;
    for (Unsigned w = whole; text.empty() || w != 0; w /= 10) {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(w % 10)));
    }
    std::string digits(static_cast<std::size_t>(places), '0');
    for (int i = places - 1; i >= 0; --i, fraction /= 10) {
        digits[static_cast<std::size_t>(i)] =
            static_cast<char>('0' + static_cast<int>(fraction % 10));
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    if (!digits.empty()) text += '.' + digits;
    return text;
}

// Exact to eight places, or rounded to four after "≈".
template <typename Unsigned>
std::string quotientOf(motion::WideUnsigned n, motion::WideUnsigned d, std::string& prefix) {
    Unsigned rest = 0;
    const auto an = static_cast<Unsigned>(n), ad = static_cast<Unsigned>(d);
    std::string text = quotientDigits(an, ad, exactPlaces, false, rest);
    if (rest == 0) return text;
    prefix = "≈";
    return quotientDigits(an, ad, roundedPlaces, true, rest);
}

std::string quotientText(motion::Wide n, motion::Wide d) {
    const bool negative = (n < 0) != (d < 0);
    const motion::WideUnsigned an = motion::magnitude(n), ad = motion::magnitude(d);
    std::string text, prefix;
    if (an <= UINT64_MAX && ad <= UINT64_MAX / 10) {
        // Most lengths are whole pulses: their text wants no digit loop.
        const auto n64 = static_cast<std::uint64_t>(an), d64 = static_cast<std::uint64_t>(ad);
        text =
            n64 % d64 == 0 ? std::to_string(n64 / d64) : quotientOf<std::uint64_t>(an, ad, prefix);
    } else {
        text = quotientOf<motion::WideUnsigned>(an, ad, prefix);
    }
    if (negative && text != "0") prefix += '-';
    return prefix + text;
}

motion::WideUnsigned powerOfTen(int places) {
    motion::WideUnsigned p = 1;
    for (int i = 0; i < places; ++i) p *= 10;
    return p;
}

motion::RoundedRoot pulseRoot(motion::Squared square, motion::Decimal dlstep, int places) {
    return motion::rootToPlaces(
        static_cast<motion::WideUnsigned>(square.units()),
        static_cast<motion::WideUnsigned>(motion::Squared::of(dlstep).units()), places);
}

std::string wholeText(motion::WideUnsigned w) {
    std::string text;
    for (; text.empty() || w != 0; w /= 10) {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(w % 10)));
    }
    return text;
}

}  // namespace

std::string pulseRootText(motion::Squared square, motion::Decimal dlstep, int places) {
    const motion::RoundedRoot exact = pulseRoot(square, dlstep, 2);
    if (exact.exact) places = 2;
    const motion::RoundedRoot r = exact.exact ? exact : pulseRoot(square, dlstep, places);
    const motion::WideUnsigned scale = powerOfTen(places);
    std::string fraction = wholeText(r.digits % scale + scale).substr(1);
    if (r.exact) fraction.erase(fraction.find_last_not_of('0') + 1);
    return wholeText(r.digits / scale) + (fraction.empty() ? "" : "." + fraction);
}

bool pulseRootReads(motion::Squared square, motion::Decimal dlstep, int places,
                    std::int64_t limit) {
    const motion::RoundedRoot r = pulseRoot(square, dlstep, places);
    return !r.exact && r.digits == static_cast<motion::WideUnsigned>(limit) * powerOfTen(places);
}

std::string pulseText(motion::Decimal length, motion::Decimal dlstep) {
    return quotientText(length.units(), dlstep.units());
}

std::string pulseSquaredText(motion::Squared square, motion::Decimal dlstep) {
    return quotientText(square.units(), motion::Squared::of(dlstep).units());
}

std::string withMinusSign(std::string text) {
    for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at)) {
        text.replace(at, 1, "−");
    }
    return text;
}

}  // namespace tarvo::teach
