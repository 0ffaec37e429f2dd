#pragma once

#include <QList>
#include <QTextCharFormat>
#include <QTextLayout>
#include <array>

#include "app/editor/GcodeSyntax.h"

class QTextBlock;

namespace tarvo::app {

// The colours of the words of a program line, calm ones that read well on
// the editor's white. The editor colours a line only when it paints it, so
// a long program opens without colouring lines nobody looks at, and a line
// whose text changed gets its colours anew when it is painted next.
class GcodeHighlighter {
public:
    GcodeHighlighter();

    // Words beyond this many characters of a line keep the editor's colour:
    // a line is coloured afresh on every paint, so the work a paint does
    // stays bounded however long its lines are.
    static constexpr qsizetype colouredLength = 1'000;

    static QColor colour(GcodeWord word);
    QList<QTextLayout::FormatRange> formats(QStringView line) const;
    // Gives the line its colours, unless it has them already.
    void highlight(const QTextBlock& block) const;

private:
    std::array<QTextCharFormat, 6> formats_;
};

}  // namespace tarvo::app
