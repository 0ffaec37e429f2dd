#include "teach/comparison/FeedCounts.h"

#include <cmath>

namespace tarvo::teach {

double FeedCounts::meanFeed() const {
    const std::uint64_t n = iterations();
    if (n == 0) return 0;
    double sum = 0;
    for (int axes = 1; axes < 4; ++axes) {
        sum += static_cast<double>(fed[axes]) * std::sqrt(static_cast<double>(axes));
    }
    return sum / static_cast<double>(n);
}

int FeedCounts::most() const {
    for (int axes = 3; axes > 0; --axes) {
        if (fed[axes] != 0) return axes;
    }
    return 0;
}

void FeedCounts::add(const FeedCounts& other) {
    for (int axes = 0; axes < 4; ++axes) fed[axes] += other.fed[axes];
}

}  // namespace tarvo::teach
