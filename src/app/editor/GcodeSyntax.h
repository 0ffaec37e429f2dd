#pragma once

#include <QStringView>
#include <vector>

namespace tarvo::app {

// What a piece of a program line is to the interpreter.
enum class GcodeWord {
    Motion,       // G00 to G03 (also written G0, g1, ...)
    OtherG,       // any other G word: G54, G90, and the ones a run rejects
    MWord,        // M03, M05, M08, M09, M30 and the ones a run rejects
    Coordinate,   // X, Y, Z, I, J with the nine characters of number that count
    Ignored,      // other letters with their number (F200, N10, S, T), and the
                  // characters of an overlong number text beyond the ninth
    ProgramMark,  // "%", the start and end symbol
};

struct GcodeSpan {
    qsizetype start;
    qsizetype length;
    GcodeWord word;
};

// Splits one line of an NC program into its words the way the interpreter
// reads them, letter by letter, without judging them: a word that a run
// would reject still gets the kind of its letter. Blanks and characters no
// word takes are left out.
class GcodeSyntax {
public:
    static std::vector<GcodeSpan> spans(QStringView line);
};

}  // namespace tarvo::app
