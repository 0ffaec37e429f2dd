#include "app/editor/GcodeSyntax.h"

#include <algorithm>
#include <array>

namespace tarvo::app {

namespace {

// The interpreter counts only the first nine characters of a number text.
constexpr qsizetype numberTextLength = 9;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The interpreter reads bytes: only ASCII letters start words (a Kelvin sign
// or a dotted capital I is no K or I to it).
char16_t asciiLower(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u - u'A' + u'a') : u;
}

// X, Y, Z and I take a sign anywhere in their run; J stops at a "+".
bool inCoordinate(QChar c, bool plusAllowed) {
    return isDigit(c) || c == u'.' || c == u'-' || (plusAllowed && c == u'+');
}

qsizetype runLength(QStringView line, qsizetype from, auto belongs) {
    qsizetype end = from;
    while (end < line.size() && belongs(line[end])) ++end;
    return end - from;
}

bool isMotion(QStringView digits) {
    constexpr std::array<QStringView, 8> motions{u"0", u"00", u"1", u"01",
                                                 u"2", u"02", u"3", u"03"};
    return std::find(motions.begin(), motions.end(), digits) != motions.end();
}

}  // namespace

std::vector<GcodeSpan> GcodeSyntax::spans(QStringView line) {
    std::vector<GcodeSpan> spans;
    qsizetype at = 0;
    while (at < line.size()) {
        const QChar c = line[at];
        const char16_t letter = asciiLower(c);
        if (letter == u'g' || letter == u'm') {
            const qsizetype digits = runLength(line, at + 1, isDigit);
            const bool motion = letter == u'g' && isMotion(line.mid(at + 1, digits));
            const GcodeWord word = letter == u'm' ? GcodeWord::MWord
                                   : motion       ? GcodeWord::Motion
                                                  : GcodeWord::OtherG;
            spans.push_back({at, 1 + digits, word});
            at += 1 + digits;
        } else if (letter == u'x' || letter == u'y' || letter == u'z' || letter == u'i' ||
                   letter == u'j') {
            const bool plusAllowed = letter != u'j';
            const qsizetype run = runLength(
                line, at + 1, [plusAllowed](QChar d) { return inCoordinate(d, plusAllowed); });
            const qsizetype counted = std::min(run, numberTextLength);
            spans.push_back({at, 1 + counted, GcodeWord::Coordinate});
            if (run > counted) {
                spans.push_back({at + 1 + counted, run - counted, GcodeWord::Ignored});
            }
            at += 1 + run;
        } else if (letter >= u'a' && letter <= u'z') {
            const qsizetype run =
                runLength(line, at + 1, [](QChar d) { return inCoordinate(d, true); });
            spans.push_back({at, 1 + run, GcodeWord::Ignored});
            at += 1 + run;
        } else {
            if (c == u'%') spans.push_back({at, 1, GcodeWord::ProgramMark});
            ++at;
        }
    }
    return spans;
}

}  // namespace tarvo::app
