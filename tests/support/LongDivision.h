#pragma once

#include <algorithm>
#include <string>

#include "motion/exact/Wide.h"

namespace tarvo::test {

// n / d to `places`, as long division on paper writes it: the last place rounded half up when
// asked, trailing 0s and a bare point dropped; `exact` tells whether nothing was left over.
// What the quick texts of exact values must write.
inline std::string longDivision(motion::WideUnsigned n, motion::WideUnsigned d, int places,
                                bool round, bool& exact) {
    motion::WideUnsigned scaled = n / d, rest = n % d;
    for (int i = 0; i < places; ++i) {
        scaled = scaled * 10 + rest * 10 / d;
        rest = rest * 10 % d;
    }
    exact = rest == 0;
    if (round && 2 * rest >= d) ++scaled;
    std::string digits;
    for (; digits.empty() || scaled != 0; scaled /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(scaled % 10)));
    }
    digits.insert(0, static_cast<std::size_t>(std::max(0, places + 1 - int(digits.size()))), '0');
    std::string fraction = digits.substr(digits.size() - static_cast<std::size_t>(places));
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return digits.substr(0, digits.size() - static_cast<std::size_t>(places)) +
           (fraction.empty() ? "" : "." + fraction);
}

}  // namespace tarvo::test
