#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "motion/exact/ExactRoot.h"
#include "motion/exact/NumberText.h"
#include "motion/exact/ShortestDigits.h"

namespace tarvo::motion {
namespace {

// The quick shortest digits, worked out in integers, are the ones the C
// library's printf and strtod find by trying, for every magnitude from 2^-3
// to below 2^53: the range where a table's distance is shown (tenths of a
// millimetre, at least a step's eighth when not 0); outside it the library
// answers alone, and exactText still agrees with charconv.

double fromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A double with the given binary exponent (magnitude in [2^top, 2^(top+1)))
// and fraction bits.
double withExponent(int top, std::uint64_t fraction) {
    const auto biased = static_cast<std::uint64_t>(top + 1023);
    return fromBits((biased << 52) | (fraction & ((std::uint64_t{1} << 52) - 1)));
}

void expectLibraryDigits(double magnitude) {
    const std::optional<QuickDigits> quick = quickShortestDigits(magnitude);
    ASSERT_TRUE(quick) << std::hexfloat << magnitude;
    const ShortestDigits slow = libraryShortestDigits(magnitude);
    const int places = static_cast<int>(slow.digits.size()) - 1;
    ASSERT_EQ(std::to_string(quick->significand), slow.digits) << std::hexfloat << magnitude;
    ASSERT_EQ(quick->power, slow.exponent - places) << std::hexfloat << magnitude;
}

TEST(QuickShortestDigits, AreTheLibrarysOnRandomDoubles) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200'000; ++i) {
        const int top = static_cast<int>(random() % 56) - 3;
        expectLibraryDigits(withExponent(top, random()));
    }
}

// Short decimals k / 10^j, whose digits end in long runs of 0 or 9 in binary
// and test the bounds of the interval most.
TEST(QuickShortestDigits, AreTheLibrarysOnShortDecimals) {
    std::mt19937_64 random(5);
    for (int i = 0; i < 100'000; ++i) {
        const int digits = static_cast<int>(random() % 17) + 1;
        const auto k =
            static_cast<double>(random() % static_cast<std::uint64_t>(std::pow(10, digits)));
        const double value = k / std::pow(10.0, static_cast<double>(random() % 18));
        if (value >= 0.125 && value < 0x1p53) expectLibraryDigits(value);
    }
}

// The distances as shown: the nearest double of an exact root.
TEST(QuickShortestDigits, AreTheLibrarysOnRoots) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 50'000; ++i) {
        const WideUnsigned n = static_cast<WideUnsigned>(random()) * (random() >> (random() % 64));
        const double root = nearestRoot(n, 10'000'000'000'000'000U);
        if (root >= 0.125 && root < 0x1p53) expectLibraryDigits(root);
    }
}

// Powers of two, where the neighbour below lies half as far; powers of ten
// and whole numbers; and their neighbours a few units away.
TEST(QuickShortestDigits, AreTheLibrarysAtTheEdges) {
    std::vector<double> edges = {0.125, 0x1p53 - 1, 0x1p53 - 2, 9007199254740991.0 / 2};
    for (int top = -3; top < 53; ++top) edges.push_back(std::ldexp(1.0, top));
    for (double ten = 1; ten < 0x1p53; ten *= 10) edges.push_back(ten);
    for (const double tenth : {0.2, 0.3, 0.7, 0.9, 0.15, 0.99999999999999989}) {
        edges.push_back(tenth);
    }
    for (std::uint64_t whole = 1; whole < 3000; whole += 7)
        edges.push_back(static_cast<double>(whole));
    for (const double edge : edges) {
        double up = edge, down = edge;
        for (int step = 0; step < 4; ++step) {
            if (up < 0x1p53) expectLibraryDigits(up);
            if (down >= 0.125) expectLibraryDigits(down);
            up = std::nextafter(up, 1e300);
            down = std::nextafter(down, 0.0);
        }
    }
}

TEST(QuickShortestDigits, LeaveOtherMagnitudesToTheLibrary) {
    for (const double outside : {0x1p53, 0x1p60, 1e300, std::nextafter(0.125, 0.0), 1e-5, 4e-324}) {
        EXPECT_FALSE(quickShortestDigits(outside)) << std::hexfloat << outside;
    }
}

// The texts are laid out as charconv lays them out, those of the quick digits and, across the
// whole range of doubles, the library's.
TEST(QuickShortestDigits, WriteTheTextsCharconvWrites) {
    std::mt19937_64 random(3);
    std::vector<double> values = {0.125, 1, 10, 1e15, 1e16 - 2, 123456789012345.6, 0x1p53 - 1};
    for (int i = 0; i < 100'000; ++i) {
        values.push_back(withExponent(static_cast<int>(random() % 56) - 3, random()));
        if (const double any = fromBits(random()); i % 5 == 0 && !std::isnan(any)) {
            values.push_back(any);
        }
    }
    for (const double value : values) {
        std::array<char, 40> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
        ASSERT_EQ(exactText(value), std::string(text.data(), end)) << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace tarvo::motion
