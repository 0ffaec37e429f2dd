#include "app/files/EditorText.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <array>

namespace tarvo::app {

namespace {

constexpr int endingProperty = QTextFormat::UserProperty + 1;

// A character a line of the document cannot hold, and the mark shown for it:
// arrows and signs the common fonts (DejaVu, Noto) all draw.
struct Mark {
    char16_t hidden;
    char16_t shown;
};
constexpr std::array marks{
    Mark{u'\r', u'\u21B5'},      // ↵, the carriage return
    Mark{u'\u2028', u'\u21B2'},  // ↲, the line separator
    Mark{u'\u2029', u'\u204B'},  // ⁋, the paragraph separator
    Mark{u'\uFDD0', u'\u204C'},  // ⁌ and ⁍, the document's frame marks
    Mark{u'\uFDD1', u'\u204D'},
};
// A mark character that is really in the line is shown after this sign, and
// so is the sign itself, so that a mark alone always stands for its hidden
// character and every line shown reads back as it was. ∖ looks like the
// escape it is and is next to never found in a program.
constexpr char16_t escape = u'\u2216';
constexpr char16_t continues = u'\u2026';  // … after a line shown cut short

const Mark* markShowing(QChar c) {
    for (const Mark& mark : marks) {
        if (c == mark.shown) return &mark;
    }
    return nullptr;
}

bool needsEscape(QChar c) {
    return c == escape || markShowing(c);
}

QString withMarks(QStringView line) {
    QString text;
    text.reserve(line.size());
    for (const QChar c : line) {
        if (needsEscape(c)) text += QChar(escape);
        const auto mark =
            std::find_if(marks.begin(), marks.end(), [c](const Mark& m) { return c == m.hidden; });
        text += mark == marks.end() ? c : QChar(mark->shown);
    }
    return text;
}

// The line as the interpreter reads it. An escape sign the user left before
// anything but a mark or another sign is taken as the character it is.
QString withoutMarks(QStringView shown) {
    QString text;
    text.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == escape && i + 1 < shown.size() && needsEscape(shown[i + 1])) {
            text += shown[++i];
        } else if (const Mark* mark = markShowing(shown[i])) {
            text += QChar(mark->hidden);
        } else {
            text += shown[i];
        }
    }
    return text;
}

}  // namespace

EditorText::EditorText(std::string_view program) {
    const QString text = QString::fromUtf8(program.data(), static_cast<qsizetype>(program.size()));
    const auto endsWithCr = [&text](qsizetype feed) { return feed > 0 && text[feed - 1] == u'\r'; };
    qsizetype lf = 0, crlf = 0;
    for (qsizetype feed = text.indexOf(u'\n'); feed >= 0; feed = text.indexOf(u'\n', feed + 1)) {
        ++(endsWithCr(feed) ? crlf : lf);
    }
    usual_ = lf > crlf ? Ending::Lf : Ending::CrLf;
    shown_.reserve(text.size());
    qsizetype begin = 0;
    for (qsizetype number = 0;; ++number) {
        const qsizetype feed = text.indexOf(u'\n', begin);
        if (feed < 0) {
            addLine(QStringView(text).mid(begin), number, false, usual_);
            return;
        }
        const bool cr = endsWithCr(feed) && feed > begin;
        addLine(QStringView(text).mid(begin, feed - begin - (cr ? 1 : 0)), number, true,
                cr ? Ending::CrLf : Ending::Lf);
        shown_ += u'\n';
        begin = feed + 1;
    }
}

void EditorText::addLine(QStringView line, qsizetype number, bool ended, Ending ending) {
    QTextBlockFormat format;
    if (ended && ending != usual_) format.setProperty(endingProperty, static_cast<int>(ending));
    if (!format.properties().isEmpty()) formats_.emplace_back(static_cast<int>(number), format);
    if (line.size() <= shownLength) {
        shown_ += withMarks(line);
        return;
    }
    if (firstCutLine_ < 0) firstCutLine_ = number;
    const qsizetype kept = shownLength - (line[shownLength - 1].isHighSurrogate() ? 1 : 0);
    shown_ += withMarks(line.left(kept));
    shown_ += QChar(continues);
}

QString EditorText::program(const QTextDocument& document, Ending usual) {
    QString text;
    text.reserve(document.characterCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        text += withoutMarks(block.text());
        if (!block.next().isValid()) break;
        const QVariant ending = format.property(endingProperty);
        const bool crlf = ending.isValid() ? ending.toInt() == static_cast<int>(Ending::CrLf)
                                           : usual == Ending::CrLf;
        text += crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    }
    return text;
}

}  // namespace tarvo::app
