#include "app/editor/GcodeHighlighter.h"

#include <QTextBlock>

namespace tarvo::app {

QColor GcodeHighlighter::colour(GcodeWord word) {
    switch (word) {
        case GcodeWord::Motion:
            return {0x1f, 0x5f, 0xb4};  // blue
        case GcodeWord::OtherG:
            return {0x2a, 0x80, 0x88};  // teal
        case GcodeWord::MWord:
            return {0x86, 0x3f, 0xa8};  // purple
        case GcodeWord::Coordinate:
            return {0x2b, 0x78, 0x3c};  // green
        case GcodeWord::Ignored:
            return {0x8c, 0x8c, 0x8c};  // grey
        case GcodeWord::ProgramMark:
            return {0xb8, 0x62, 0x00};  // amber
    }
    return Qt::black;
}

GcodeHighlighter::GcodeHighlighter() {
    // Colour only: the words keep the editor's font, so colouring a line
    // never changes its width or height.
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        formats_[i].setForeground(colour(static_cast<GcodeWord>(i)));
    }
}

QList<QTextLayout::FormatRange> GcodeHighlighter::formats(QStringView line) const {
    QList<QTextLayout::FormatRange> ranges;
    for (const GcodeSpan& span : GcodeSyntax::spans(line.left(colouredLength))) {
        ranges.append({static_cast<int>(span.start), static_cast<int>(span.length),
                       formats_[static_cast<std::size_t>(span.word)]});
    }
    return ranges;
}

// Setting the formats drops the line's layout, which the editor lays out
// again as it paints; so lines that have their colours are left alone.
void GcodeHighlighter::highlight(const QTextBlock& block) const {
    QTextLayout* layout = block.layout();
    const QList<QTextLayout::FormatRange> wanted = formats(block.text());
    if (layout->formats() != wanted) layout->setFormats(wanted);
}

}  // namespace tarvo::app
