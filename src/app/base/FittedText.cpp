#include "app/base/FittedText.h"

#include <QFontMetrics>
#include <QStringList>

namespace tarvo::app {

QString fittedText(const QString& text, const QString& gap, const QFontMetrics& metrics,
                   int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    QStringList lines;
    for (const QString& part : text.split(gap, Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + gap + part) <= width) {
            lines.last() += gap + part;
        } else {
            lines << part;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace tarvo::app
