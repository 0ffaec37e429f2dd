#pragma once

#include <algorithm>
#include <cctype>
#include <charconv>
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
        bool joins = false;  // only blanks and comments since the last literal
        while (at_ < s_.size()) {
            const std::string_view rest = s_.substr(at_);
            if (rest.starts_with("//") || rest.starts_with("/*")) {
                skipTo(s_.find(rest[1] == '/' ? "\n" : "*/", at_ + 2), rest[1] == '/' ? 1 : 2);
            } else if (rest[0] == '"') {
                if (!joins) found_.push_back({"", line_});
                readLiteral(found_.back().text);
                joins = true;
            } else {
                if (rest[0] == '\'' && !digitSeparator()) {
                    while (++at_ < s_.size() && s_[at_] != '\'') at_ += s_[at_] == '\\';
                }
                if (!std::isspace(static_cast<unsigned char>(rest[0])) && !prefixLetter()) {
                    joins = false;
                }
                line_ += rest[0] == '\n';
                ++at_;
            }
        }
        return found_;
    }

private:
    // The letters u8, u, U, L and R before a quote belong to the literal.
    bool prefixLetter() const {
        const std::size_t end = s_.find_first_not_of("u8ULR", at_);
        const char before = at_ == 0 ? ' ' : s_[at_ - 1];
        return end < s_.size() && s_[end] == '"' && before != '_' &&
               !std::isalnum(static_cast<unsigned char>(before));
    }

    bool digitSeparator() const {
        return at_ > 0 && at_ + 1 < s_.size() &&
               std::isxdigit(static_cast<unsigned char>(s_[at_ - 1])) &&
               std::isxdigit(static_cast<unsigned char>(s_[at_ + 1]));
    }

    // Moves past `length` characters at `end` (or to the end of the source), counting lines.
    void skipTo(std::size_t end, std::size_t length) {
        const std::size_t stop =
            std::min(end == std::string_view::npos ? s_.size() : end + length, s_.size());
        line_ += static_cast<int>(std::count(s_.begin() + at_, s_.begin() + stop, '\n'));
        at_ = stop;
    }

    void readLiteral(std::string& text) {
        if (at_ > 0 && s_[at_ - 1] == 'R') {
            const std::size_t open = s_.find('(', at_);
            const std::string close = ")" + std::string(s_.substr(at_ + 1, open - at_ - 1)) + "\"";
            const std::size_t end = s_.find(close, open);
            text += s_.substr(open + 1, end - open - 1);
            return skipTo(end, close.size());
        }
        for (++at_; at_ < s_.size() && s_[at_] != '"';) {
            text += s_[at_] == '\\' ? escaped() : s_[at_++];
        }
        ++at_;
    }

    // The byte an escape stands for; at_ moves past it.
    char escaped() {
        const char c = s_[++at_];
        if (c == 'x') return ++at_, number(16, 2);
        if (c >= '0' && c <= '7') return number(8, 3);
        ++at_;
        const std::size_t simple = std::string_view("ntrab").find(c);
        return simple != std::string_view::npos ? "\n\t\r\a\b"[simple] : c;
    }

    char number(int base, std::size_t most) {
        unsigned value = 0;
        const char* first = s_.data() + at_;
        const char* last = first + std::min(most, s_.size() - at_);
        at_ += static_cast<std::size_t>(std::from_chars(first, last, value, base).ptr - first);
        return static_cast<char>(value);
    }

    std::string_view s_;
    std::size_t at_ = 0;
    int line_ = 1;
    std::vector<SourceLiteral> found_;
};

}  // namespace tarvo::test
