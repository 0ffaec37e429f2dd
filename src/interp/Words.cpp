#include "interp/Words.h"

#include <algorithm>
#include <array>

#include "motion/exact/DecimalReading.h"

namespace tarvo::interp {

namespace {

struct Entry {
    std::string_view digits;
    Command command;
};

using Target = Command::Target;

constexpr std::array gTable{
    Entry{"00", {Target::Motion, "G00"}}, Entry{"0", {Target::Motion, "G00"}},
    Entry{"01", {Target::Motion, "G01"}}, Entry{"1", {Target::Motion, "G01"}},
    Entry{"02", {Target::Motion, "G02"}}, Entry{"2", {Target::Motion, "G02"}},
    Entry{"03", {Target::Motion, "G03"}}, Entry{"3", {Target::Motion, "G03"}},
    Entry{"54", {Target::None, ""}},      Entry{"90", {Target::None, ""}},
};

constexpr std::array mTable{
    Entry{"03", {Target::Spindle, "M03"}}, Entry{"3", {Target::Spindle, "M03"}},
    Entry{"05", {Target::Spindle, "M05"}}, Entry{"5", {Target::Spindle, "M05"}},
    Entry{"08", {Target::Coolant, "M08"}}, Entry{"8", {Target::Coolant, "M08"}},
    Entry{"09", {Target::Coolant, "M09"}}, Entry{"9", {Target::Coolant, "M09"}},
    Entry{"30", {Target::None, ""}},
};

template <std::size_t N>
std::optional<Command> lookup(const std::array<Entry, N>& table, std::string_view digits) {
    for (const Entry& e : table) {
        if (e.digits == digits) return e.command;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Command> lookupG(std::string_view digits) {
    return lookup(gTable, digits);
}

std::optional<Command> lookupM(std::string_view digits) {
    return lookup(mTable, digits);
}

std::vector<std::string> acceptedWords() {
    std::vector<std::string> words;
    const auto add = [&words](char letter, const auto& table) {
        for (const Entry& e : table) {
            const std::string word =
                letter + std::string(2 - e.digits.size(), '0') + std::string(e.digits);
            if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
        }
    };
    add('G', gTable);
    add('M', mTable);
    return words;
}

motion::Decimal leadingNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool point = false;
    bool digit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            digit = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) return {};
    return motion::readDecimal(text.substr(0, i)).value;
}

}  // namespace tarvo::interp
