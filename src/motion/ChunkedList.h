#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace tarvo::motion {

// A growing list of coordinates kept in fixed-size chunks: adding an entry
// never moves the ones already there, so a long recording grows by one chunk
// at a time instead of copying itself into a list twice its size.
class ChunkedList {
public:
    static constexpr std::size_t chunkShift = 13;
    static constexpr std::size_t chunkSize = std::size_t{1} << chunkShift;  // entries

    void push_back(double value) {
        if (size_ == chunks_.size() * chunkSize)
            chunks_.push_back(std::make_unique_for_overwrite<double[]>(chunkSize));
        chunks_.back()[size_ & mask] = value;
        ++size_;
    }
    double& operator[](std::size_t i) { return chunks_[i >> chunkShift][i & mask]; }
    double operator[](std::size_t i) const { return chunks_[i >> chunkShift][i & mask]; }
    std::size_t size() const { return size_; }
    // Entry 0 stays; entries 1, 3, 5, … move down to 1, 2, 3, … and the
    // others go, with the chunks no longer needed.
    void keepOddEntries() {
        if (size_ == 0) return;
        std::size_t kept = 1;
        for (std::size_t i = 1; i < size_; i += 2) (*this)[kept++] = (*this)[i];
        size_ = kept;
        chunks_.resize((size_ + chunkSize - 1) >> chunkShift);
    }
    void clear() {
        chunks_.clear();
        size_ = 0;
    }

    // Entries from `first` that lie in its chunk, in memory one after another.
    const double* run(std::size_t first) const {
        return &chunks_[first >> chunkShift][first & mask];
    }
    double* run(std::size_t first) { return &chunks_[first >> chunkShift][first & mask]; }
    std::size_t runLength(std::size_t first) const {
        const std::size_t chunkEnd = ((first >> chunkShift) + 1) << chunkShift;
        return (chunkEnd < size_ ? chunkEnd : size_) - first;
    }

    // Heap memory held, chunks and their table together.
    std::size_t bytes() const {
        return chunks_.size() * chunkSize * sizeof(double) +
               chunks_.capacity() * sizeof(chunks_[0]);
    }

private:
    static constexpr std::size_t mask = chunkSize - 1;
    std::vector<std::unique_ptr<double[]>> chunks_;
    std::size_t size_ = 0;
};

}  // namespace tarvo::motion
