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

// Random doubles of the range; short decimals k / 10^j, whose digits end in long runs of 0 or 9
// in binary and test the bounds of the interval most; the distances as shown, the nearest double
// of an exact root; and a few units either side of powers of two, where the neighbour below lies
// half as far, of powers of ten and of whole numbers.
std::vector<double> doublesInRange() {
    std::mt19937_64 random(20261207);
    std::vector<double> values, edges = {0.125, 0x1p53 - 1, 0x1p53 - 2, 9007199254740991.0 / 2};
    for (int i = 0; i < 200'000; ++i) {
        values.push_back(withExponent(static_cast<int>(random() % 56) - 3, random()));
        const int digits = static_cast<int>(random() % 17) + 1;
        const auto k =
            static_cast<double>(random() % static_cast<std::uint64_t>(std::pow(10, digits)));
        values.push_back(k / std::pow(10.0, static_cast<double>(random() % 18)));
        const WideUnsigned n = static_cast<WideUnsigned>(random()) * (random() >> (random() % 64));
        if (i % 4 == 0) values.push_back(nearestRoot(n, 10'000'000'000'000'000U));
    }
    for (int top = -3; top < 53; ++top) edges.push_back(std::ldexp(1.0, top));
    for (double ten = 1; ten < 0x1p53; ten *= 10) edges.push_back(ten);
    for (const double tenth : {0.2, 0.3, 0.7, 0.9, 0.15, 0.99999999999999989}) {
        edges.push_back(tenth);
    }
    for (std::uint64_t whole = 1; whole < 3000; whole += 7)
        edges.push_back(static_cast<double>(whole));
    for (const double edge : edges) {
        double up = edge, down = edge;
        for (int step = 0; step < 4; ++step, up = std::nextafter(up, 1e300)) {
            values.push_back(up);
            values.push_back(down = std::nextafter(down, 0.0));
        }
    }
    std::erase_if(values, [](double v) { return v < 0.125 || v >= 0x1p53; });
    return values;
}

TEST(QuickShortestDigits, AreTheLibrarys) {
    for (const double value : doublesInRange()) expectLibraryDigits(value);
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
    std::vector<double> values = doublesInRange();
    values.insert(values.end(), {1e15, 1e16 - 2, 123456789012345.6});
    for (int i = 0; i < 20'000; ++i) {
        if (const double any = fromBits(random()); !std::isnan(any)) values.push_back(any);
    }
    for (const double value : values) {
        std::array<char, 40> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
        ASSERT_EQ(exactText(value), std::string(text.data(), end)) << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace tarvo::motion
