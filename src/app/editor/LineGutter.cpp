#include "app/editor/LineGutter.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "app/editor/NumberedLines.h"

namespace tarvo::app {

namespace {

constexpr int markColumn = 16;  // the arrow and the error mark
constexpr int numberPadding = 6;
const QColor background(240, 240, 240);
const QColor edge(214, 214, 214);
const QColor numberColour(140, 140, 140);
const QColor markerColour(200, 0, 0);

void paintArrow(QPainter& painter, const QRectF& row) {
    const double middle = row.center().y(), h = std::min(12.0, row.height());
    QPainterPath arrow;
    arrow.moveTo(3, middle - h / 2);
    arrow.lineTo(markColumn - 3, middle);
    arrow.lineTo(3, middle + h / 2);
    arrow.closeSubpath();
    painter.fillPath(arrow, markerColour);
}

// A red disc with a white "!", the usual sign of a fault on the line.
void paintErrorMark(QPainter& painter, const QRectF& row) {
    const double d = std::min(12.0, row.height() - 2);
    const QRectF disc(markColumn / 2.0 - d / 2, row.center().y() - d / 2, d, d);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markerColour);
    painter.drawEllipse(disc);
    painter.setPen(QPen(Qt::white, 2));
    const double x = disc.center().x();
    painter.drawLine(QPointF(x, disc.top() + d * 0.22), QPointF(x, disc.top() + d * 0.58));
    painter.drawPoint(QPointF(x, disc.top() + d * 0.78));
}

}  // namespace

LineGutter::LineGutter(QWidget& editor, const NumberedLines& lines)
    : QWidget(&editor), editor_(editor), lines_(lines) {}

int LineGutter::widthFor(int lines) const {
    const int digits = static_cast<int>(QString::number(std::max(lines, 99)).size());
    return markColumn + editor_.fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits +
           numberPadding;
}

QString LineGutter::toolTipAt(int y) const {
    for (const NumberedLines::LineBox& box : lines_.visibleLines()) {
        if (y >= box.top && y < box.top + box.height && box.line == lines_.errorLine()) {
            return lines_.errorMessage();
        }
    }
    return {};
}

void LineGutter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background);
    painter.setPen(edge);
    painter.drawLine(width() - 1, 0, width() - 1, height());
    painter.setFont(editor_.font());
    painter.setRenderHint(QPainter::Antialiasing);
    const int numberRight = width() - numberPadding;
    for (const NumberedLines::LineBox& box : lines_.visibleLines()) {
        const QRectF row(0, box.top, width(), box.height);
        painter.setPen(numberColour);
        painter.drawText(QRectF(markColumn, box.top, numberRight - markColumn, box.height),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(box.line + 1));
        if (box.line == lines_.errorLine()) {
            paintErrorMark(painter, row);
        } else if (box.line == lines_.markedLine()) {
            paintArrow(painter, row);
        }
    }
}

bool LineGutter::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt(help->pos().y());
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

}  // namespace tarvo::app
