#include "teach/comparison/MethodFigures.h"

#include <algorithm>

namespace tarvo::teach {

double MethodFigures::meanDeviation() const {
    return steps() == 0 ? 0 : deviationSum / static_cast<double>(steps());
}

void MethodFigures::count(const std::int8_t (&feed)[3], double deviation) {
    int axes = 0;
    for (int axis = 0; axis < 3; ++axis) {
        if (feed[axis] == 0) continue;
        ++axes;
        ++pulses[axis];
    }
    ++feeds.fed[axes];
    if (axes == 0) return;
    largestDeviation = std::max(largestDeviation, deviation);
    deviationSum += deviation;
}

}  // namespace tarvo::teach
