#pragma once

#include <QString>

class QFontMetrics;

namespace tarvo::app {

// A read-out for a room `width` pixels wide: the text as it is where it fits
// on one line; otherwise its parts, as `gap` separates them, on as few lines
// as the width takes, parted by '\n' and never broken inside a part (a part
// wider than the room stands on a line of its own). Chinese text may break
// between any two characters, which would part "脉冲" or "全程"; read-outs
// are laid out with this instead.
QString fittedText(const QString& text, const QString& gap, const QFontMetrics& metrics, int width);

}  // namespace tarvo::app
