#include "teach/comparison/FeedHistory.h"

#include <algorithm>

namespace tarvo::teach {

void FeedHistory::add(int axes) {
    if (iterations_ / width_ == buckets) fold();
    // Below `buckets`, so it fits a size on every target.
    const auto bucket = static_cast<std::size_t>(iterations_ / width_);
    if (bucket == kept_.size()) kept_.emplace_back();
    ++kept_[bucket].fed[axes];
    ++iterations_;
}

void FeedHistory::fold() {
    for (std::size_t i = 0; i < buckets / 2; ++i) {
        kept_[i] = kept_[2 * i];
        kept_[i].add(kept_[2 * i + 1]);
    }
    kept_.resize(buckets / 2);
    width_ *= 2;
}

FeedCounts FeedHistory::span(std::uint64_t from, std::uint64_t to) const {
    FeedCounts counts;
    if (kept_.empty()) return counts;
    const std::uint64_t first = (from + width_ - 1) / width_;
    const std::uint64_t last = std::min<std::uint64_t>((to + width_ - 1) / width_, kept_.size());
    if (first >= last) {
        return kept_[static_cast<std::size_t>(
            std::min<std::uint64_t>(from / width_, kept_.size() - 1))];
    }
    for (auto b = static_cast<std::size_t>(first); b < last; ++b) counts.add(kept_[b]);
    return counts;
}

}  // namespace tarvo::teach
