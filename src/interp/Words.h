#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "motion/exact/Decimal.h"

namespace tarvo::interp {

// What an accepted G or M word does to the modal command texts.
struct Command {
    enum class Target { Motion, Spindle, Coolant, None };
    Target target;
    std::string_view text;  // "G00" ... "M09"; empty for words without effect
};

// The G and M tables: the digits after the letter (either case) must match a
// listed form exactly ("01" or "1", never "001").
std::optional<Command> lookupG(std::string_view digits);
std::optional<Command> lookupM(std::string_view digits);
// Every word the two tables accept, once, with two digits ("G00" ... "M30"),
// G words first: what the help tells the user the machine understands.
std::vector<std::string> acceptedWords();

// Characters that continue a word after its letter.
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isNumberChar(char c) {
    return isDigit(c) || c == '.' || c == '-' || c == '+';
}
inline bool isJNumberChar(char c) {
    return isDigit(c) || c == '.' || c == '-';
}  // "+" ends J

// A coordinate word counts only the first nine characters after its letter.
constexpr std::size_t numberTextLength = 9;

// The value of a number text of at most nine characters, exactly: an
// optional sign, then digits with at most one decimal point, as far as that
// form goes; 0 when it holds no digit. "1.2.3" -> 1.2, "5-3" -> 5,
// "--5" -> 0, ".5" -> 0.5. Nine characters hold at most nine digits or eight
// places after the point, so every such value is a Decimal.
motion::Decimal leadingNumber(std::string_view text);

}  // namespace tarvo::interp
