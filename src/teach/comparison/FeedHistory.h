#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "teach/comparison/FeedCounts.h"

namespace tarvo::teach {

// How many axes each iteration of a run fed, folded as it comes: iterations
// are counted into buckets of a power of two of them each, and when the
// buckets are all used, neighbours merge and a bucket holds twice as many.
// So a run of any length keeps at most `buckets` buckets, and while it is
// shorter every iteration has its own.
class FeedHistory {
public:
    static constexpr std::size_t buckets = 4096;

    // Told after every iteration of a move compared, with the axes it fed.
    void add(int axes);

    std::uint64_t iterations() const { return iterations_; }
    // Iterations per bucket: a power of two, 1 until the buckets fill up.
    std::uint64_t width() const { return width_; }
    const std::vector<FeedCounts>& kept() const { return kept_; }
    // The iterations from `from` up to `to` (0-based), as far as the buckets
    // tell them apart: the buckets that start among them, or else the one
    // they lie in.
    FeedCounts span(std::uint64_t from, std::uint64_t to) const;

private:
    void fold();

    std::uint64_t iterations_ = 0;
    std::uint64_t width_ = 1;
    std::vector<FeedCounts> kept_;
};

}  // namespace tarvo::teach
