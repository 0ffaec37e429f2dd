#include "teach/RoundedText.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace tarvo::teach {

std::string roundedText(double value, int places) {
    if (!std::isfinite(value)) return std::to_string(value);
    // Every double's decimal expansion ends within 1074 places, so this
    // prints it exactly, whatever digit decides the rounding.
    constexpr int exact = 1100;
    std::vector<char> buffer(static_cast<std::size_t>(exact) + 400);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", exact, std::fabs(value));
    std::string digits(buffer.data());
    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point) + digits.substr(point + 1, places);
    if (digits[point + 1 + static_cast<std::size_t>(places)] >= '5') {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    const std::size_t whole = kept.size() - static_cast<std::size_t>(places);
    std::string text = kept.substr(0, whole);
    if (places > 0) text += "." + kept.substr(whole);
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    return (std::signbit(value) && !zero ? "-" : "") + text;
}

}  // namespace tarvo::teach
