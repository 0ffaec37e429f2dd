#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "motion/LargeBlock.h"

namespace tarvo::motion {

// A growing list kept in chunks of 2 MiB or a little more: adding an entry
// never moves the ones already there once the list has filled its first
// chunk, so a long recording grows by one chunk at a time instead of copying
// itself into a list twice its size, and goes at once. Chunks are huge pages
// where the kernel offers them (LargeBlock). The first chunk grows by
// doubling from a few kilobytes, so a short list takes little memory; only
// its entries, at most a chunk of them, ever move.
template <typename T>
class Chunked {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_default_constructible_v<T>,
                  "chunks are plain memory, left uninitialised");

public:
    static constexpr std::size_t chunkShift =
        std::bit_width(std::bit_ceil((hugePage + sizeof(T) - 1) / sizeof(T))) - 1;
    static constexpr std::size_t chunkSize = std::size_t{1} << chunkShift;  // entries

    void push_back(T value) {
        if (next_ == end_) addRoom();
        *next_++ = value;
        ++size_;
    }
    T& operator[](std::size_t i) { return chunks_[i >> chunkShift].get()[i & mask]; }
    const T& operator[](std::size_t i) const { return chunks_[i >> chunkShift].get()[i & mask]; }
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
    const T* run(std::size_t first) const { return &(*this)[first]; }
    T* run(std::size_t first) { return &(*this)[first]; }
    std::size_t runLength(std::size_t first) const {
        const std::size_t chunkEnd = ((first >> chunkShift) + 1) << chunkShift;
        return (chunkEnd < size_ ? chunkEnd : size_) - first;
    }

    // Heap memory held, chunks and their table together.
    std::size_t bytes() const {
        std::size_t entries = 0;
        for (const Chunk& chunk : chunks_) entries += chunk.get_deleter().entries;
        return entries * sizeof(T) + chunks_.capacity() * sizeof(Chunk);
    }

private:
    static constexpr std::size_t mask = chunkSize - 1;
    static constexpr std::size_t firstRoom = std::max<std::size_t>(chunkSize >> 9, 1);

    // How a chunk of so many entries goes back: a whole chunk is a large
    // block, the first chunk while it grows plain heap memory.
    struct Free {
        std::size_t entries = 0;
        void operator()(T* block) const noexcept {
            if (entries == chunkSize) {
                freeBlock(block, chunkSize * sizeof(T));
            } else {
                ::operator delete(block);
            }
        }
    };
    using Chunk = std::unique_ptr<T, Free>;

    static Chunk allocate(std::size_t entries) {
        void* const memory = entries == chunkSize ? allocateBlock(chunkSize * sizeof(T))
                                                  : ::operator new(entries * sizeof(T));
        return Chunk(static_cast<T*>(memory), Free{entries});
    }

    // Room for the next entry: a first chunk twice as large, its entries
    // copied over, or the next chunk.
    void addRoom() {
        const std::size_t index = size_ >> chunkShift;
        if (index == 0 && !chunks_.empty() && chunks_[0].get_deleter().entries < chunkSize) {
            Chunk larger = allocate(2 * chunks_[0].get_deleter().entries);
            std::memcpy(larger.get(), chunks_[0].get(), size_ * sizeof(T));
            chunks_[0] = std::move(larger);
        } else if (index == chunks_.size()) {
            chunks_.push_back(allocate(index == 0 ? firstRoom : chunkSize));
        }
        settle();
    }
    // The free room after the entries, in the chunk of the next entry; none
    // when that chunk is yet to come or the entries fill it.
    void settle() {
        const std::size_t index = size_ >> chunkShift;
        if (index == chunks_.size()) {
            next_ = end_ = nullptr;
            return;
        }
        T* const chunk = chunks_[index].get();
        next_ = chunk + (size_ & mask);
        end_ = chunk + chunks_[index].get_deleter().entries;
    }

    std::vector<Chunk> chunks_;
    std::size_t size_ = 0;
    T* next_ = nullptr;  // where the next entry goes
    T* end_ = nullptr;   // the end of the room it goes in
};

// The stored path's coordinate lists.
using ChunkedList = Chunked<double>;

}  // namespace tarvo::motion
