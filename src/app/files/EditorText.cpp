#include "app/files/EditorText.h"

#include <QTextBlock>
#include <QTextDocument>
#include <array>

namespace tarvo::app {

namespace {

constexpr int endingProperty = QTextFormat::UserProperty + 1;
constexpr int ownTextProperty = QTextFormat::UserProperty + 2;

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
constexpr char16_t continues = u'\u2026';  // … after a line shown cut short

QString replaced(QStringView line, char16_t Mark::*from, char16_t Mark::*to) {
    QString text = line.toString();
    for (const Mark& mark : marks) text.replace(QChar(mark.*from), QChar(mark.*to));
    return text;
}

QString withMarks(QStringView line) {
    return replaced(line, &Mark::hidden, &Mark::shown);
}

QString withoutMarks(QStringView line) {
    return replaced(line, &Mark::shown, &Mark::hidden);
}

bool holdsMark(QStringView line) {
    for (const Mark& mark : marks) {
        if (line.contains(QChar(mark.shown))) return true;
    }
    return false;
}

// The block's line as the interpreter reads it.
QString lineOf(const QTextBlock& block, const QTextBlockFormat& format) {
    const QString shown = block.text();
    const QVariant own = format.property(ownTextProperty);
    if (own.isValid() && withMarks(own.toString()) == shown) return own.toString();
    return withoutMarks(shown);
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
    if (holdsMark(line)) format.setProperty(ownTextProperty, line.toString());
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
        text += lineOf(block, format);
        if (!block.next().isValid()) break;
        const QVariant ending = format.property(endingProperty);
        const bool crlf = ending.isValid() ? ending.toInt() == static_cast<int>(Ending::CrLf)
                                           : usual == Ending::CrLf;
        text += crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    }
    return text;
}

}  // namespace tarvo::app
