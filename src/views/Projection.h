#pragma once

namespace tarvo::views {

// The axonometric mapping: +X to the left, +Y down to the right at 45°, +Z
// up, with the four-digit constant the machine has always used.
inline constexpr double axoK = 0.7071;

struct UV {
    double u, v;
};

inline UV project(double x, double y, double z) {
    return {axoK * y - x, z - axoK * y};
}

}  // namespace tarvo::views
