#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "motion/exact/Decimal.h"
#include "motion/exact/NumberText.h"

namespace tarvo::teach {

// A stretch of a text laid out in place and joined to the text at once,
// when the run ends: a beat of a dozen short words and numbers then costs
// one append to the row's text instead of one each. Writers of the table's
// texts for millions of rows use it; a piece longer than the room goes
// straight to the text, so any text fits.
class TextRun {
public:
    explicit TextRun(std::string& text) : text_(text) {}
    TextRun(const TextRun&) = delete;
    TextRun& operator=(const TextRun&) = delete;
    ~TextRun() { flush(); }

    TextRun& operator<<(std::string_view piece) {
        if (piece.size() > room()) flush();
        if (piece.size() > room()) {
            text_ += piece;
        } else {
            std::memcpy(at_, piece.data(), piece.size());
            at_ += piece.size();
        }
        return *this;
    }
    // A word spelt out in the code: its length is known where it is written,
    // so that it is copied without a call.
    template <std::size_t size>
    TextRun& operator<<(const char (&word)[size]) {
        constexpr std::size_t length = size - 1;
        static_assert(length <= sizeof bytes_);
        if (length > room()) flush();
        std::memcpy(at_, word, length);
        at_ += length;
        return *this;
    }
    TextRun& operator<<(char c) {
        if (room() == 0) flush();
        *at_++ = c;
        return *this;
    }
    // A whole number, its minus written as given.
    TextRun& whole(std::int64_t n, std::string_view minus) {
        if (n < 0) *this << minus;
        const std::uint64_t magnitude = n < 0 ? 0 - static_cast<std::uint64_t>(n) : n;
        if (room() < 20) flush();
        at_ = std::to_chars(at_, at_ + 20, magnitude).ptr;
        return *this;
    }
    // A decimal's exact text, ASCII minus.
    TextRun& exact(motion::Decimal value) {
        if (room() < motion::numberTextRoom) flush();
        at_ = motion::writeExactText(at_, value);
        return *this;
    }

private:
    std::size_t room() const {
        return static_cast<std::size_t>(bytes_.data() + bytes_.size() - at_);
    }
    void flush() {
        text_.append(bytes_.data(), at_);
        at_ = bytes_.data();
    }

    std::string& text_;
    std::array<char, 192> bytes_;
    char* at_ = bytes_.data();
};

}  // namespace tarvo::teach
