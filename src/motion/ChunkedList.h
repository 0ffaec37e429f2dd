#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace tarvo::motion {

// A growing list kept in fixed-size chunks: adding an entry never moves the
// ones already there, so a long recording grows by one chunk at a time
// instead of copying itself into a list twice its size, and goes at once.
template <typename T>
class Chunked {
public:
    static constexpr std::size_t chunkShift = 13;
    static constexpr std::size_t chunkSize = std::size_t{1} << chunkShift;  // entries

    void push_back(T value) {
        if (next_ == end_) addChunk();
        *next_++ = value;
        ++size_;
    }
    T& operator[](std::size_t i) { return chunks_[i >> chunkShift][i & mask]; }
    const T& operator[](std::size_t i) const { return chunks_[i >> chunkShift][i & mask]; }
    std::size_t size() const { return size_; }
    T& back() { return (*this)[size_ - 1]; }
    const T& back() const { return (*this)[size_ - 1]; }
    // Entry 0 stays; entries 1, 3, 5, … move down to 1, 2, 3, … and the
    // others go, with the chunks no longer needed.
    void keepOddEntries() {
        if (size_ == 0) return;
        std::size_t kept = 1;
        for (std::size_t i = 1; i < size_; i += 2) (*this)[kept++] = (*this)[i];
        size_ = kept;
        chunks_.resize((size_ + chunkSize - 1) >> chunkShift);
        settle();
    }
    void clear() {
        chunks_.clear();
        reuse();
    }
    // Forgets the entries but keeps the chunks for the next ones.
    void reuse() { truncate(0); }
    // Forgets the entries from `size` on, keeping their chunks.
    void truncate(std::size_t size) {
        size_ = size;
        settle();
    }

    // Entries from `first` that lie in its chunk, in memory one after another.
    const T* run(std::size_t first) const { return &chunks_[first >> chunkShift][first & mask]; }
    T* run(std::size_t first) { return &chunks_[first >> chunkShift][first & mask]; }
    std::size_t runLength(std::size_t first) const {
        const std::size_t chunkEnd = ((first >> chunkShift) + 1) << chunkShift;
        return (chunkEnd < size_ ? chunkEnd : size_) - first;
    }

    // Heap memory held, chunks and their table together.
    std::size_t bytes() const {
        return chunks_.size() * chunkSize * sizeof(T) + chunks_.capacity() * sizeof(chunks_[0]);
    }

private:
    static constexpr std::size_t mask = chunkSize - 1;

    void addChunk() {
        const std::size_t index = size_ >> chunkShift;
        if (index == chunks_.size()) {
            chunks_.push_back(std::unique_ptr<T[]>(new T[chunkSize]));  // left uninitialised
        }
        next_ = chunks_[index].get();
        end_ = next_ + chunkSize;
    }
    // The free room after the entries: none until a chunk is added when the
    // last chunk is full.
    void settle() {
        const bool full = (size_ & mask) == 0;
        T* const chunk = full ? nullptr : chunks_[size_ >> chunkShift].get();
        next_ = full ? nullptr : chunk + (size_ & mask);
        end_ = full ? nullptr : chunk + chunkSize;
    }

    std::vector<std::unique_ptr<T[]>> chunks_;
    std::size_t size_ = 0;
    T* next_ = nullptr;  // where the next entry goes
    T* end_ = nullptr;   // the end of the chunk it goes in
};

// The stored path's coordinate lists.
using ChunkedList = Chunked<double>;

}  // namespace tarvo::motion
