#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

namespace tarvo::teach {

// The latest records of a run, at most a capacity of them, oldest first. A
// record beyond the capacity takes the place of the oldest, so a long run
// keeps recording without allocating once the ring is full.
template <typename Record>
class RecordRing {
public:
    // Reserves the whole capacity at once, untouched until used, so that
    // growing never moves the records already kept.
    explicit RecordRing(std::size_t capacity) : capacity_(std::max<std::size_t>(capacity, 1)) {
        slots_.reserve(capacity_);
    }

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Record;
        using difference_type = std::ptrdiff_t;
        using pointer = const Record*;
        using reference = const Record&;

        const_iterator() = default;
        const_iterator(const RecordRing* ring, std::size_t index) : ring_(ring), index_(index) {}
        const Record& operator*() const { return (*ring_)[index_]; }
        const Record* operator->() const { return &(*ring_)[index_]; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        const RecordRing* ring_ = nullptr;
        std::size_t index_ = 0;
    };

    void push_back(const Record& record) {
        if (size_ == capacity_) {
            slots_[first_] = record;
            first_ = wrapped(first_ + 1);
            return;
        }
        if (size_ == slots_.size()) {
            // Not yet full, so never wrapped: the oldest is in slot 0.
            slots_.push_back(record);
        } else {
            slots_[wrapped(first_ + size_)] = record;
        }
        ++size_;
    }
    void pop_back() { --size_; }
    void clear() {
        first_ = 0;
        size_ = 0;
    }

    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    bool empty() const { return size_ == 0; }
    const Record& operator[](std::size_t index) const { return slots_[wrapped(first_ + index)]; }
    const Record& back() const { return (*this)[size_ - 1]; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size_}; }

private:
    // The slot of a position counted from slot 0, less than twice the slots.
    std::size_t wrapped(std::size_t position) const {
        return position >= slots_.size() ? position - slots_.size() : position;
    }

    std::size_t capacity_;
    std::vector<Record> slots_;  // grows to the capacity, then is reused
    std::size_t first_ = 0;      // slot of the oldest record
    std::size_t size_ = 0;
};

}  // namespace tarvo::teach
