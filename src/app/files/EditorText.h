#pragma once

#include <QString>
#include <QTextBlockFormat>
#include <string_view>
#include <utility>
#include <vector>

#include "files/LongLines.h"

class QTextDocument;

namespace tarvo::app {

// The program as the editor holds it, and back. The editor's blocks are the
// interpreter's lines: only a line feed ends a line. What a text document
// would change is kept, so a saved file differs from the one opened only in
// the lines the user edited:
// - a line's own ending (LF or CR LF) rides on its block's format when it is
//   not the file's usual one, and so follows the line through edits and
//   Undo; a line broken in two keeps it on both halves;
// - characters the document cannot hold inside a line (a CR that is no part
//   of a CR LF, which the interpreter skips like any other character; U+2028
//   and U+2029; the document's own frame marks U+FDD0 and U+FDD1) show as
//   visible marks, ↵ for the CR, and are written back as they were;
// - a mark character really in the line shows after the sign ∖, as does ∖
//   itself (∖↵, ∖∖), so that every line, edited or not, is written back with
//   the characters it shows: a lone mark is its hidden character.
// A line longer than the editor can lay out at once is shown cut short.
class EditorText {
public:
    enum class Ending { Lf, CrLf };

    // The characters of a line the editor shows; laying out one line costs
    // time in proportion to its length, at every edit and on every paint.
    static constexpr auto shownLength = static_cast<qsizetype>(files::shownLineLength);

    // Splits the interpreter's text (UTF-8, the file's own line ends).
    explicit EditorText(std::string_view program);

    // The lines joined by line feeds, with the marks in place.
    const QString& shown() const { return shown_; }
    // Block formats the lines need, by block number, in order.
    const std::vector<std::pair<int, QTextBlockFormat>>& blockFormats() const { return formats_; }
    // The file's usual line ending, which new lines take: the one most of its
    // lines end with, CR LF when there is none or as many of each.
    Ending usual() const { return usual_; }
    // The first line, counted from 0, shown cut short; -1 when none is.
    qsizetype firstCutLine() const { return firstCutLine_; }

    // The interpreter's text of the document the editor holds: its lines with
    // their endings and the marks written back. Linear in the text's length.
    static QString program(const QTextDocument& document, Ending usual);

private:
    void addLine(QStringView line, qsizetype number, bool ended, Ending ending);

    QString shown_;
    std::vector<std::pair<int, QTextBlockFormat>> formats_;
    Ending usual_ = Ending::CrLf;
    qsizetype firstCutLine_ = -1;
};

}  // namespace tarvo::app
