#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "motion/ChunkedList.h"

namespace tarvo::motion {
namespace {

using List = Chunked<double>;
constexpr std::size_t chunk = List::chunkSize;

// Entry i holds i, so a moved or lost entry shows at its index.
List counting(std::size_t n) {
    List list;
    for (std::size_t i = 0; i < n; ++i) list.push_back(static_cast<double>(i));
    return list;
}

std::vector<double> values(const List& list) {
    std::vector<double> out;
    for (std::size_t first = 0; first < list.size(); first += list.runLength(first)) {
        const double* run = list.run(first);
        out.insert(out.end(), run, run + list.runLength(first));
    }
    return out;
}

std::vector<double> upTo(std::size_t n, std::size_t step = 1) {
    std::vector<double> out;
    for (std::size_t i = 0; i < n; i += step) out.push_back(static_cast<double>(i));
    return out;
}

// A chunk is a huge page or more, and whole chunks lie in memory one after
// another: the runs end exactly at the chunks' ends.
TEST(ChunkedList, ChunksAreHugePagesAndRunsEndWithThem) {
    EXPECT_EQ(chunk * sizeof(double), std::size_t{2} << 20);
    EXPECT_GE(Chunked<float>::chunkSize * sizeof(float), std::size_t{2} << 20);
    struct ThreeWords {
        std::uint64_t a, b, c;
    };
    EXPECT_GE(Chunked<ThreeWords>::chunkSize * sizeof(ThreeWords), std::size_t{2} << 20);
    EXPECT_LT(Chunked<ThreeWords>::chunkSize * sizeof(ThreeWords), std::size_t{4} << 20);
    const List list = counting(2 * chunk + 5);
    EXPECT_EQ(std::vector({list.runLength(0), list.runLength(chunk - 1), list.runLength(chunk),
                           list.runLength(2 * chunk)}),
              std::vector<std::size_t>({chunk, 1, chunk, 5}));
    EXPECT_EQ(values(list), upTo(2 * chunk + 5));
    EXPECT_EQ(std::tuple(list[chunk + 7], list.back()), std::tuple(chunk + 7.0, 2 * chunk + 4.0));
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
    // Where the kernel may back a chunk by a huge page, it starts on one.
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(list.run(chunk)) % (std::size_t{2} << 20), 0u);
#endif
}

// A short list takes a few kilobytes, not a chunk; its first chunk grows as
// it fills, keeping every entry, and the list then grows a chunk at a time.
TEST(ChunkedList, AShortListTakesLittleMemory) {
    const List few = counting(100);
    EXPECT_LT(few.bytes(), std::size_t{8} << 10);
    EXPECT_EQ(values(few), upTo(100));
    for (const std::size_t n : {chunk / 2 + 1, chunk, chunk + 1, 3 * chunk}) {
        const List list = counting(n);
        EXPECT_EQ(values(list), upTo(n)) << n;
        EXPECT_GE(list.bytes(), n * sizeof(double)) << n;
        EXPECT_LT(list.bytes(), (n + chunk) * sizeof(double) + 4096) << n;
    }
}

// Cut back, a list keeps its chunks and writes the next entries where the
// forgotten ones were, across chunk ends and within the growing first chunk.
TEST(ChunkedList, TruncatedListsGoOnFromTheCut) {
    for (const std::size_t cut : {std::size_t{0}, std::size_t{7}, chunk / 4, chunk, chunk + 3}) {
        List list = counting(2 * chunk + 9);
        const std::size_t bytes = list.bytes();
        list.truncate(cut);
        for (std::size_t i = cut; i < 2 * chunk + 20; ++i) list.push_back(static_cast<double>(i));
        EXPECT_EQ(values(list), upTo(2 * chunk + 20)) << cut;
        EXPECT_EQ(list.bytes(), bytes) << cut;
    }
    List list = counting(chunk + 1);
    list.clear();
    list.push_back(5);
    EXPECT_EQ(values(list), std::vector<double>{5});
    EXPECT_LT(list.bytes(), std::size_t{8} << 10);
}

// Thinning keeps entry 0 and every odd entry, lets go of the chunks it no
// longer needs, and the list grows on from its new end.
TEST(ChunkedList, ThinningKeepsTheOddEntries) {
    for (const std::size_t n :
         {std::size_t{1}, std::size_t{2}, std::size_t{10}, 2 * chunk + 2, 4 * chunk + 1}) {
        List list = counting(n);
        list.keepOddEntries();
        std::vector<double> expected{0};
        for (std::size_t i = 1; i < n; i += 2) expected.push_back(static_cast<double>(i));
        EXPECT_EQ(values(list), expected) << n;
        EXPECT_LT(list.bytes(), (expected.size() + chunk) * sizeof(double) + 4096) << n;
        list.push_back(-1);
        expected.push_back(-1);
        EXPECT_EQ(values(list), expected) << n;
    }
}

}  // namespace
}  // namespace tarvo::motion
