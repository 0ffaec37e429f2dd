#include "motion/Methods.h"

#include <algorithm>
#include <array>

namespace tarvo::motion {

namespace {

// The keys are what stored settings and scripts already say; they never change.
constexpr std::array<MethodEntry, 3> entries{{
    {Interpolation::Machine, "machine", "机床（直线数字积分，圆弧逐点比较）", Method::Integration,
     Method::Comparison, false},
    {Interpolation::Comparison, "comparison", "逐点比较法", Method::Comparison, Method::Comparison,
     true},
    {Interpolation::Integration, "dda", "数字积分法", Method::Integration, Method::Integration,
     true},
}};

}  // namespace

std::span<const MethodEntry> methods() {
    return entries;
}

const MethodEntry& methodEntry(Interpolation interpolation) {
    return *std::find_if(entries.begin(), entries.end(), [interpolation](const MethodEntry& e) {
        return e.interpolation == interpolation;
    });
}

std::optional<Interpolation> methodOfKey(std::string_view key) {
    for (const MethodEntry& e : entries) {
        if (e.key == key) return e.interpolation;
    }
    return std::nullopt;
}

const MethodEntry& textbookMethod(Method kind) {
    return *std::find_if(entries.begin(), entries.end(), [kind](const MethodEntry& e) {
        return e.wholePulses && e.line == kind && e.arc == kind;
    });
}

}  // namespace tarvo::motion
