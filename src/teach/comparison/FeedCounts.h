#pragma once

#include <cstdint>

namespace tarvo::teach {

// Iterations by the number of axes each fed: none, one, two, three. An
// iteration's resultant feed is the length of its feed vector in pulses,
// the root of the axes it fed: 0, 1, √2 or √3.
struct FeedCounts {
    std::uint64_t fed[4] = {};

    std::uint64_t iterations() const { return fed[0] + fed[1] + fed[2] + fed[3]; }
    // The mean resultant feed, pulses per iteration; 0 for none.
    double meanFeed() const;
    // The most axes an iteration of them fed; 0 for none.
    int most() const;
    void add(const FeedCounts& other);
};

}  // namespace tarvo::teach
