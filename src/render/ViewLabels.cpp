#include "render/ViewLabels.h"

#include <QPainter>
#include <algorithm>

#include "render/SvgPicture.h"

namespace tarvo::render {

namespace {

// A view is 7215 twips square; labels are 90 x 180 twips.
constexpr double viewTwips = 7215;

}  // namespace

void ViewLabels::set(int leftTwips, int topTwips, std::string_view caption) {
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    for (Label& l : labels_) {
        if (l.left == leftTwips && l.top == topTwips) {
            l.caption = text;
            return;
        }
    }
    labels_.push_back({leftTwips, topTwips, text});
}

void ViewLabels::paint(QPainter& painter, int size) const {
    painter.save();
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(size * 180 / viewTwips * 0.8)));
    painter.setFont(font);
    for (const Label& l : labels_) {
        const QRectF box(l.left * size / viewTwips, l.top * size / viewTwips, 90 * size / viewTwips,
                         180 * size / viewTwips);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, l.caption);
    }
    painter.restore();
}

void ViewLabels::write(SvgPicture& picture, int size) const {
    for (const Label& l : labels_) {
        picture.text(l.left * size / viewTwips, l.top * size / viewTwips, l.caption);
    }
}

}  // namespace tarvo::render
