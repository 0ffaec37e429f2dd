#include "teach/table/PulseText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "motion/exact/ExactRoot.h"

namespace tarvo::teach {

namespace {

constexpr int exactPlaces = 8;
constexpr int roundedPlaces = 4;

// A quotient's text before its sign: "3", "2.5", "0.3333".
struct Digits {
    std::array<char, 64> text{};  // 39 digits of a 128-bit whole part, the point and 8 places
    std::size_t length = 0;

    std::string_view view() const { return {text.data(), length}; }
};

// The whole number w, then the `places` digits of f, those at the end that
// are 0 left out when `trim`.
template <typename Unsigned>
Digits placed(Unsigned w, Unsigned f, int places, bool trim) {
    Digits d;
    char* at = d.text.data();
    for (; at == d.text.data() || w != 0; w /= 10)
        *at++ = static_cast<char>('0' + static_cast<int>(w % 10));
    std::reverse(d.text.data(), at);
    int shown = places;
    for (; trim && shown > 0 && f % 10 == 0; f /= 10) --shown;
    if (shown > 0) {
        *at = '.';
        for (int i = shown; i > 0; --i, f /= 10)
            at[i] = static_cast<char>('0' + static_cast<int>(f % 10));
        at += shown + 1;
    }
    d.length = static_cast<std::size_t>(at - d.text.data());
    return d;
}

// The digits of n / d (n ≥ 0, d > 0) to the given places, the last one
// rounded half up when `round`; the remainder left over tells the caller
// whether the digits are exact.
// Unsigned is 64 bits wide whenever n and ten times d fit there, so that
// the divisions are never 128-bit ones without need.
template <typename Unsigned>
Digits quotientDigits(Unsigned n, Unsigned d, int places, bool round, Unsigned& rest) {
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
    return placed(whole, fraction, places, true);
}

// Exact to eight places, or rounded to four; whether it was rounded.
template <typename Unsigned>
Digits quotientOf(motion::WideUnsigned n, motion::WideUnsigned d, bool& rounded) {
    Unsigned rest = 0;
    const auto an = static_cast<Unsigned>(n), ad = static_cast<Unsigned>(d);
    const Digits exact = quotientDigits(an, ad, exactPlaces, false, rest);
    rounded = rest != 0;
    return rounded ? quotientDigits(an, ad, roundedPlaces, true, rest) : exact;
}

void appendQuotient(std::string& text, motion::Wide n, motion::Wide d, std::string_view minus) {
    const bool negative = (n < 0) != (d < 0);
    const motion::WideUnsigned an = motion::magnitude(n), ad = motion::magnitude(d);
    bool rounded = false;
    Digits digits;
    if (an <= UINT64_MAX && ad <= UINT64_MAX / 10) {
        const auto n64 = static_cast<std::uint64_t>(an), d64 = static_cast<std::uint64_t>(ad);
        // Most lengths are whole pulses: their text wants no digit loop.
        if (n64 % d64 == 0) {
            if (negative && n64 != 0) text += minus;
            std::array<char, 24> whole{};
            text.append(whole.data(),
                        std::to_chars(whole.data(), whole.data() + whole.size(), n64 / d64).ptr);
            return;
        }
        digits = quotientOf<std::uint64_t>(an, ad, rounded);
    } else {
        digits = quotientOf<motion::WideUnsigned>(an, ad, rounded);
    }
    if (rounded) text += "≈";
    if (negative && digits.view() != "0") text += minus;
    text += digits.view();
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

}  // namespace

void appendPulseRootText(std::string& text, motion::Squared square, motion::Decimal dlstep,
                         int places) {
    const motion::RoundedRoot exact = pulseRoot(square, dlstep, 2);
    if (exact.exact) places = 2;
    const motion::RoundedRoot r = places == 2 ? exact : pulseRoot(square, dlstep, places);
    const motion::WideUnsigned scale = powerOfTen(places);
    // Divided in 64 bits where the digits fit them, as they nearly always do.
    const auto digits64 = static_cast<std::uint64_t>(r.digits);
    const auto scale64 = static_cast<std::uint64_t>(scale);
    const Digits digits = r.digits <= UINT64_MAX
                              ? placed(digits64 / scale64, digits64 % scale64, places, r.exact)
                              : placed(r.digits / scale, r.digits % scale, places, r.exact);
    text += digits.view();
}

std::string pulseRootText(motion::Squared square, motion::Decimal dlstep, int places) {
    std::string text;
    appendPulseRootText(text, square, dlstep, places);
    return text;
}

bool pulseRootReads(motion::Squared square, motion::Decimal dlstep, int places,
                    std::int64_t limit) {
    const motion::RoundedRoot r = pulseRoot(square, dlstep, places);
    return !r.exact && r.digits == static_cast<motion::WideUnsigned>(limit) * powerOfTen(places);
}

void appendPulseText(std::string& text, motion::Decimal length, motion::Decimal dlstep,
                     std::string_view minus) {
    appendQuotient(text, length.units(), dlstep.units(), minus);
}

void appendPulseSquaredText(std::string& text, motion::Squared square, motion::Decimal dlstep,
                            std::string_view minus) {
    appendQuotient(text, square.units(), motion::Squared::of(dlstep).units(), minus);
}

std::string pulseText(motion::Decimal length, motion::Decimal dlstep) {
    std::string text;
    appendPulseText(text, length, dlstep);
    return text;
}

std::string pulseSquaredText(motion::Squared square, motion::Decimal dlstep) {
    std::string text;
    appendPulseSquaredText(text, square, dlstep);
    return text;
}

void appendSignedWhole(std::string& text, std::int64_t n, std::string_view minus) {
    if (n < 0) text += minus;
    const std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : n;
    std::array<char, 24> digits{};
    text.append(digits.data(),
                std::to_chars(digits.data(), digits.data() + digits.size(), magnitude).ptr);
}

std::string withMinusSign(std::string text) {
    for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at)) {
        text.replace(at, 1, "−");
    }
    return text;
}

}  // namespace tarvo::teach
