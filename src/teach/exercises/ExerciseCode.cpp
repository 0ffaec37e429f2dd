#include "teach/exercises/ExerciseCode.h"

#include <stdexcept>
#include <utility>

#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

// SplitMix64: a few lines that give the same numbers everywhere, unlike the
// standard distributions, whose output differs between libraries.
class Draw {
public:
    explicit Draw(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to n − 1; the bias of the remainder is far below notice.
    std::int64_t below(std::int64_t n) { return static_cast<std::int64_t>(next() % n); }

private:
    std::uint64_t state_;
};

// A quarter turn counter-clockwise about the origin, q times.
motion::PulsePoint turned(motion::PulsePoint p, std::int64_t q) {
    for (; q > 0; --q) p = {-p.y, p.x};
    return p;
}

Exercise line(motion::Method method, Draw& draw) {
    Exercise e;
    e.method = method;
    // One draw a statement: the order a call's arguments are worked out in
    // differs between compilers, and the code must give the same figure on
    // every one. The quarter turns are drawn first, as codes handed out
    // already have them.
    const std::int64_t q = draw.below(4);
    const std::int64_t x = 2 + draw.below(7);
    const std::int64_t y = 1 + draw.below(8);
    e.end = turned({x, y}, q);
    return e;
}

// A short arc between whole-pulse points of one quadrant of its circle.
Exercise arc(motion::Method method, Draw& draw) {
    const std::int64_t r = 4 + draw.below(7);
    std::vector<motion::PulsePoint> points;  // counter-clockwise through the first quadrant
    for (std::int64_t x = r, y = 0; x >= 0; --x) {
        while ((y + 1) * (y + 1) + x * x <= r * r) ++y;
        if (x * x + y * y == r * r) points.push_back({x, y});
    }
    const auto n = static_cast<std::int64_t>(points.size());
    const std::int64_t from = draw.below(n - 1), to = from + 1 + draw.below(n - 1 - from);
    const std::int64_t q = draw.below(4);
    Exercise e;
    e.method = method;
    e.arc = true;
    e.start = turned(points[static_cast<std::size_t>(from)], q);
    e.end = turned(points[static_cast<std::size_t>(to)], q);
    e.clockwise = draw.below(2) == 1;
    if (e.clockwise) std::swap(e.start, e.end);
    return e;
}

// The character of a text starting at byte i: one to four bytes of UTF-8.
std::string_view character(std::string_view text, std::size_t i) {
    std::size_t end = i + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    return text.substr(i, end - i);
}

// A full-width form (U+FF01 to U+FF5E, as a Chinese input method types
// letters and digits) as its ASCII character, the ideographic space (U+3000)
// as a space; any other character as it is.
std::string halfWidth(std::string_view c) {
    if (c == "\xE3\x80\x80") return " ";
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(c[i]); };
    if (c.size() != 3 || byte(0) != 0xEF) return std::string(c);
    const unsigned point = 0xF000u | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
    if (point < 0xFF01 || point > 0xFF5E) return std::string(c);
    return std::string(1, static_cast<char>(point - 0xFEE0));
}

// A code's characters, each one to four bytes of UTF-8.
std::vector<std::string_view> characters(std::string_view code) {
    std::vector<std::string_view> read;
    for (std::size_t i = 0; i < code.size(); i += read.back().size()) {
        read.push_back(character(code, i));
    }
    return read;
}

// A character's place in the alphabet, small letters read as capitals;
// npos for any other character.
std::size_t digitOf(std::string_view c) {
    if (c.size() != 1) return std::string_view::npos;
    const char capital = c[0] >= 'a' && c[0] <= 'z' ? static_cast<char>(c[0] - 'a' + 'A') : c[0];
    return ExerciseCode::alphabet.find(capital);
}

}  // namespace

std::string ExerciseCode::normalised(std::string_view typed) {
    std::string text;
    for (std::size_t i = 0; i < typed.size();) {
        const std::string_view c = character(typed, i);
        text += halfWidth(c);
        i += c.size();
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

std::string ExerciseCode::refusal(std::string_view typed) {
    const std::string code = normalised(typed);
    const std::vector<std::string_view> read = characters(code);
    if (read.size() != length) return std::string(words::say("练习码应为 5 个字符"));
    for (const std::string_view c : read) {
        if (digitOf(c) == std::string_view::npos) {
            return words::fill("练习码中不能有“{1}”：只用数字 2–9 和字母，不含 I、L、O", {c});
        }
    }
    return {};
}

ExerciseCode::ExerciseCode(std::string_view typed) {
    if (const std::string why = refusal(typed); !why.empty()) throw std::invalid_argument(why);
    const std::string code = normalised(typed);
    for (const std::string_view c : characters(code)) {
        text_ += alphabet[digitOf(c)];
        value_ = value_ * alphabet.size() + digitOf(c);
    }
}

ExerciseCode ExerciseCode::from(std::uint64_t entropy) {
    std::uint64_t n = Draw(entropy).next();
    std::string text;
    for (std::size_t i = 0; i < length; ++i, n /= alphabet.size()) {
        text += alphabet[n % alphabet.size()];
    }
    return ExerciseCode(text);
}

std::vector<Exercise> ExerciseCode::exercises() const {
    Draw draw(value_);
    std::vector<Exercise> set;
    for (const motion::Method method : {motion::Method::Comparison, motion::Method::Integration}) {
        set.push_back(line(method, draw));
        set.push_back(arc(method, draw));
    }
    for (Exercise& e : set) {
        if (e.method == motion::Method::Integration) e.halfLoad = draw.below(2) == 1;
    }
    for (std::size_t i = set.size() - 1; i > 0; --i) {
        std::swap(set[i],
                  set[static_cast<std::size_t>(draw.below(static_cast<std::int64_t>(i) + 1))]);
    }
    return set;
}

}  // namespace tarvo::teach
