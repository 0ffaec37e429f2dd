#include "interp/Interpreter.h"

#include <algorithm>

#include "interp/Messages.h"
#include "interp/Words.h"
#include "motion/exact/Squared.h"
#include "motion/exact/Wide.h"

namespace tarvo::interp {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

using motion::Decimal;
using motion::Squared;

// Whether √b − √a ≥ d, for squares a, b and d ≥ 0, without a root: it holds
// when b − a − d² ≥ 2d√a, both sides squared once the left one is known
// not to be negative. The squares may need 256 bits.
bool rootFartherBy(Squared b, Squared a, Decimal d) {
    const motion::Wide left = (b - a - Squared::of(d)).units();
    if (left < 0) return false;
    const motion::WideUnsigned l = motion::magnitude(left);
    return motion::productAtLeast(l, l, 4 * motion::magnitude(Squared::of(d).units()),
                                  motion::magnitude(a.units()));
}

}  // namespace

void Interpreter::start(std::string text) {
    progtxt_ = std::move(text);
    txtpos = 0;
    txtline = 0;
    gcode = mcode = lcode = {};
    error_.clear();
}

int Interpreter::characterAt(std::int64_t index) const {
    if (index >= static_cast<std::int64_t>(progtxt_.size())) return -1;
    return static_cast<unsigned char>(progtxt_[static_cast<std::size_t>(index)]);
}

Interpreter::Outcome Interpreter::tick(motion::Segment& s) {
    if (progtxt_.empty() || progtxt_.front() != '%')
        return fail(std::string(words::say(messages::noStartSymbol)));
    if (txtpos >= static_cast<std::int64_t>(progtxt_.size())) {
        txtpos = 0;
        return Outcome::EndOfText;
    }
    for (;;) {
        const int c = characterAt(txtpos);
        switch (c) {
            case 'g':
            case 'G':
            case 'm':
            case 'M':
                return commandWord(upper(static_cast<char>(c)));
            case 'x':
            case 'X':
            case 'y':
            case 'Y':
            case 'z':
            case 'Z':
            case 'i':
            case 'I':
            case 'j':
            case 'J':
                return coordinateWord(upper(static_cast<char>(c)), s);
            default:
                // Every other character is skipped within the same tick; the
                // line ends at a line feed or where the text runs out.
                ++txtpos;
                if (c == '\n' || c == -1) {
                    ++txtline;
                    return Outcome::LineEnd;
                }
        }
    }
}

bool Interpreter::lineWrotePlaneWords() const {
    // Every letter of the line is read as a word, so its text alone tells.
    auto at = std::min(static_cast<std::size_t>(txtpos - 1), progtxt_.size());
    while (at > 0 && progtxt_[at - 1] != '\n') {
        const char c = upper(progtxt_[--at]);
        if (c == 'X' || c == 'Y' || c == 'I' || c == 'J') return true;
    }
    return false;
}

std::string_view Interpreter::readWord(bool (*continues)(char)) {
    const auto begin = static_cast<std::size_t>(++txtpos);
    auto end = begin;
    while (end < progtxt_.size() && continues(progtxt_[end])) ++end;
    txtpos = static_cast<std::int64_t>(end);
    return std::string_view(progtxt_).substr(begin, end - begin);
}

Interpreter::Outcome Interpreter::commandWord(char letter) {
    const std::string_view digits = readWord(isDigit);
    const auto command = letter == 'G' ? lookupG(digits) : lookupM(digits);
    if (!command) return fail(std::string(letter == 'G' ? messages::badG : messages::badM));
    switch (command->target) {
        case Command::Target::Motion:
            gcode = command->text;
            break;
        case Command::Target::Spindle:
            mcode = command->text;
            break;
        case Command::Target::Coolant:
            lcode = command->text;
            break;
        case Command::Target::None:
            break;
    }
    return Outcome::Word;
}

Interpreter::Outcome Interpreter::coordinateWord(char letter, motion::Segment& s) {
    const std::string_view run = readWord(letter == 'J' ? isJNumberChar : isNumberChar);
    if (run.empty()) return fail(std::string(1, letter) + "....");
    const motion::Decimal value = leadingNumber(run.substr(0, numberTextLength));
    switch (letter) {
        case 'X':
            s.xe = value;
            break;
        case 'Y':
            s.ye = value;
            break;
        case 'Z':
            s.ze = value;
            break;
        case 'I':
            s.ic = -value;
            break;
        default:
            s.jc = -value;
            return arcCheck(s);
    }
    return Outcome::Word;
}

// Made after every J word, whatever the motion: the end point must lie on the
// circle through the start point within 0.1 mm, |r2 − r1| < 0.1 exactly. It
// sees X, Y and I as they stand, so they must come before J on the line.
Interpreter::Outcome Interpreter::arcCheck(const motion::Segment& s) {
    const Squared start2 = Squared::of(s.ic) + Squared::of(s.jc);
    const Squared end2 = Squared::of(s.xs - s.ic - s.xe) + Squared::of(s.ys - s.jc - s.ye);
    const Decimal tolerance = Decimal::fromUnits(Decimal::one / 10);
    if (rootFartherBy(end2, start2, tolerance) || rootFartherBy(start2, end2, tolerance)) {
        return fail(std::string(words::say(messages::notOnArc)));
    }
    return Outcome::Word;
}

Interpreter::Outcome Interpreter::fail(std::string message) {
    error_ = std::move(message);
    return Outcome::Error;
}

}  // namespace tarvo::interp
