#pragma once

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::test {

// A string literal of a C++ source as the compiler sees it: escapes undone,
// neighbours with only blanks and comments between them joined into one,
// and the line it starts on.
struct SourceLiteral {
    std::string text;
    int line = 0;
};

// Reads the string literals of a C++ source: plain and raw ones, with or
// without an encoding prefix; comments, character literals and the digit
// separators of numbers (10'000) are passed over.
class LiteralScanner {
public:
    explicit LiteralScanner(std::string_view source) : s_(source) {}

    std::vector<SourceLiteral> literals() {
        while (at_ < s_.size()) step();
        flush();
        return std::move(found_);
    }

private:
    void step() {
        const char c = s_[at_];
        if (c == '\n') ++line_;
        if (s_.substr(at_, 2) == "//") return skipPast("\n", false);
        if (s_.substr(at_, 2) == "/*") return skipPast("*/", true);
        if (c == '"') return readLiteral(rawPrefix());
        if (c == '\'' && !digitSeparator()) return readCharacter();
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && !prefixLetter()) flush();
        ++at_;
    }

    // The letters u8, u, U, L and R before a quote belong to the literal.
    bool prefixLetter() const {
        std::size_t end = at_;
        while (end < s_.size() &&
               std::string_view("u8ULR").find(s_[end]) != std::string_view::npos) {
            ++end;
        }
        return end < s_.size() && s_[end] == '"' && !identifierBefore(at_);
    }

    bool identifierBefore(std::size_t at) const {
        if (at == 0) return false;
        const char c = s_[at - 1];
        return c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
               (c >= 'A' && c <= 'Z');
    }

    bool rawPrefix() const { return at_ > 0 && s_[at_ - 1] == 'R'; }

    bool digitSeparator() const {
        return at_ > 0 && at_ + 1 < s_.size() &&
               std::isxdigit(static_cast<unsigned char>(s_[at_ - 1])) &&
               std::isxdigit(static_cast<unsigned char>(s_[at_ + 1]));
    }

    void skipPast(std::string_view end, bool countLines) {
        const std::size_t found = s_.find(end, at_ + 2);
        const std::size_t stop = found == std::string_view::npos ? s_.size() : found + end.size();
        if (countLines) {
            for (std::size_t i = at_; i < stop; ++i) line_ += s_[i] == '\n';
        }
        at_ = end == "\n" ? stop - (found == std::string_view::npos ? 0 : 1) : stop;
    }

    void readCharacter() {
        for (++at_; at_ < s_.size() && s_[at_] != '\''; ++at_) {
            if (s_[at_] == '\\') ++at_;
        }
        flush();
        ++at_;
    }

    void readLiteral(bool raw) {
        if (!pending_) found_.push_back({"", line_});
        pending_ = true;
        std::string& text = found_.back().text;
        ++at_;
        if (raw) {
            const std::size_t open = s_.find('(', at_);
            const std::string close = ")" + std::string(s_.substr(at_, open - at_)) + "\"";
            const std::size_t end = s_.find(close, open);
            text += s_.substr(open + 1, end - open - 1);
            for (std::size_t i = at_; i < end; ++i) line_ += s_[i] == '\n';
            at_ = end + close.size();
            return;
        }
        while (at_ < s_.size() && s_[at_] != '"') {
            if (s_[at_] == '\\') {
                text += escaped();
            } else {
                text += s_[at_++];
            }
        }
        ++at_;
    }

    // The byte an escape stands for; at_ moves past it.
    char escaped() {
        const char c = s_[++at_];
        ++at_;
        if (c == 'x') return static_cast<char>(number(16, 2));
        if (c >= '0' && c <= '7') {
            --at_;
            return static_cast<char>(number(8, 3));
        }
        const std::size_t simple = std::string_view("ntr0ab").find(c);
        return simple != std::string_view::npos ? "\n\t\r\0\a\b"[simple] : c;
    }

    unsigned number(unsigned base, int most) {
        unsigned value = 0;
        for (int i = 0; i < most && at_ < s_.size(); ++i, ++at_) {
            const char c = s_[at_];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : 99;
            if (digit >= static_cast<int>(base)) break;
            value = value * base + static_cast<unsigned>(digit);
        }
        return value;
    }

    void flush() { pending_ = false; }

    std::string_view s_;
    std::size_t at_ = 0;
    int line_ = 1;
    bool pending_ = false;
    std::vector<SourceLiteral> found_;
};

// Whether a UTF-8 text holds a CJK character: the CJK symbols, kana and
// ideographs (U+3000 to U+9FFF), the compatibility ideographs and the
// full-width forms (：，（）).
inline bool hasCjk(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (length == 3 && i + 2 < text.size()) {
            const std::uint32_t point = (lead & 0x0Fu) << 12 |
                                        (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                                        (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if ((point >= 0x3000 && point <= 0x9FFF) || (point >= 0xF900 && point <= 0xFAFF) ||
                (point >= 0xFF00 && point <= 0xFFEF)) {
                return true;
            }
        }
        i += static_cast<std::size_t>(length);
    }
    return false;
}

}  // namespace tarvo::test
