#include "motion/NumberText.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace tarvo::motion {

std::string numberText(double value) {
    if (value == 0) return "0";  // also for -0
    std::array<char, 40> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", value);
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string exactText(double value) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace tarvo::motion
