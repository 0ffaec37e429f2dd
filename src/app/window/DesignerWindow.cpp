#include "app/window/DesignerWindow.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <string_view>

#include "interp/HelpText.h"

namespace tarvo::app {

namespace {

// The window was drawn in twips; 15 twips make a pixel at 96 dpi.
constexpr int px(int twips) {
    return twips / 15;
}

constexpr int margin = px(120);

// A small three-axis machine: bed and table, a work piece with a cut in it,
// column, arm and spindle with its tool, and the X, Y, Z directions.
QPixmap machinePicture(QSize size) {
    QPixmap picture(size);
    picture.fill(QColor(240, 240, 240));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 100.0, size.height() / 100.0);
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(QColor(90, 90, 100));
    p.drawRect(QRectF(6, 82, 88, 10));  // bed
    p.setBrush(QColor(160, 170, 180));
    p.drawRect(QRectF(14, 74, 60, 8));   // table
    p.drawRect(QRectF(76, 12, 14, 70));  // column
    p.drawRect(QRectF(30, 12, 60, 10));  // arm
    p.setBrush(QColor(200, 120, 40));
    p.drawRect(QRectF(26, 62, 36, 12));  // work piece
    p.setBrush(QColor(60, 90, 150));
    p.drawRect(QRectF(38, 22, 14, 20));  // spindle head
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(QPolygonF({QPointF(43, 42), QPointF(47, 42), QPointF(46, 56), QPointF(45, 60),
                             QPointF(44, 56)}));  // tool
    p.setPen(QPen(QColor(0, 160, 0), 1.2));
    p.drawPolyline(QPolygonF({QPointF(30, 64), QPointF(40, 64), QPointF(45, 62)}));
    const QPointF origin(8, 70);
    const std::pair<QPointF, QColor> axes[] = {
        {{14, 0}, Qt::red}, {{8, -6}, QColor(0, 150, 0)}, {{0, -14}, Qt::blue}};
    for (const auto& [direction, colour] : axes) {
        p.setPen(QPen(colour, 1.2));
        p.drawLine(origin, origin + direction);
    }
    return picture;
}

// Each line of credits under the one before it, wrapped to the column left
// of the picture; returns the bottom of what it placed.
int stackLabels(QWidget* parent, const QStringList& lines, int width) {
    int top = margin;
    for (const QString& line : lines) {
        auto* label = new QLabel(line, parent);
        label->setWordWrap(true);
        const int height = label->heightForWidth(width);
        label->setGeometry(margin, top, width, height);
        top += height + margin;
    }
    return top;
}

QStringList credits() {
    QStringList lines;
    for (const std::string_view line : interp::designerLines) {
        lines << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    return lines;
}

}  // namespace

DesignerWindow::DesignerWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    const QRect pictureBox(px(2760), px(120), px(2055), px(2145));
    picture->setGeometry(pictureBox);
    picture->setPixmap(machinePicture(pictureBox.size()));

    const int textBottom = stackLabels(this, credits(), pictureBox.left() - 2 * margin);
    returnButton_ = new QPushButton(QStringLiteral("点击返回"), this);
    returnButton_->setGeometry(margin, std::max(px(1680), textBottom), px(855), px(615));
    connect(returnButton_, &QPushButton::clicked, this, &QWidget::hide);
    resize(px(4950), std::max(px(2505), returnButton_->geometry().bottom() + 1 + margin));
}

}  // namespace tarvo::app
