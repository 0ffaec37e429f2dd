#include "app/teaching/StaircasePlot.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/base/Said.h"
#include "teach/comparison/PlanBounds.h"

namespace tarvo::app {

namespace {

// Pixels a pulse must span before the grid of pulses is drawn.
constexpr double gridFrom = 8;
constexpr double margin = 16;
constexpr std::size_t smoothUpTo = 20'000;

QPainterPath idealPath(const teach::IdealSegment& s) {
    QPainterPath path(QPointF(s.start.x, s.start.y));
    if (!s.arc()) {
        path.lineTo(s.end.x, s.end.y);
        return path;
    }
    const double from = std::atan2(s.start.y - s.cy, s.start.x - s.cx) * 180 / std::numbers::pi;
    const QRectF circle(s.cx - s.radius, s.cy - s.radius, 2 * s.radius, 2 * s.radius);
    path.arcTo(circle, -from, -s.sweep() * 180 / std::numbers::pi);
    return path;
}

// A part of a staircase on screen, of consecutive points in one pixel only
// the first and the last.
QPolygonF onScreen(const std::vector<teach::StepPolyline::Point>& part, const QTransform& t) {
    QPolygonF line;
    QPoint pixel;
    bool repeated = false;
    for (const auto& p : part) {
        const QPointF at = t.map(QPointF(p.x, p.y));
        const QPoint in(static_cast<int>(std::floor(at.x())), static_cast<int>(std::floor(at.y())));
        if (!line.isEmpty() && in == pixel) {
            if (repeated)
                line.back() = at;
            else
                line << at;
            repeated = true;
            continue;
        }
        line << at;
        pixel = in;
        repeated = false;
    }
    return line;
}

}  // namespace

StaircasePlot::StaircasePlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void StaircasePlot::show(std::vector<Series> series, double dlstep) {
    series_ = std::move(series);
    dlstep_ = dlstep;
    note_.clear();
    update();
}

void StaircasePlot::clear(const QString& note) {
    series_.clear();
    note_ = note;
    update();
}

void StaircasePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (series_.empty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect(), Qt::AlignCenter, note_);
        return;
    }
    teach::PlanBounds drawn;
    for (const Series& s : series_) {
        const teach::PlanBounds& reach = s.run->staircase().reach();
        if (reach.empty) continue;
        drawn.take(reach.left, reach.bottom);
        drawn.take(reach.right, reach.top);
    }
    if (drawn.empty) return;
    const double pulse = dlstep_;
    const QRectF box(QPointF(drawn.left - pulse, drawn.bottom - pulse),
                     QPointF(drawn.right + pulse, drawn.top + pulse));
    const double scale =
        std::min((width() - 2 * margin) / box.width(), (height() - 2 * margin) / box.height());
    // Plan XY with Y upward, the drawing centred.
    QTransform toScreen;
    toScreen.translate(width() / 2.0, height() / 2.0);
    toScreen.scale(scale, -scale);
    toScreen.translate(-box.center().x(), -box.center().y());
    if (pulse * scale >= gridFrom) {
        painter.setPen(QPen(QColor(225, 225, 225), 0));
        for (double x = std::ceil(box.left() / pulse) * pulse; x <= box.right(); x += pulse) {
            painter.drawLine(toScreen.map(QLineF(x, box.top(), x, box.bottom())));
        }
        for (double y = std::ceil(box.top() / pulse) * pulse; y <= box.bottom(); y += pulse) {
            painter.drawLine(toScreen.map(QLineF(box.left(), y, box.right(), y)));
        }
    }
    std::vector<QPolygonF> lines;
    std::size_t points = 0;
    for (const Series& s : series_) {
        for (const auto& part : s.run->staircase().parts()) {
            lines.push_back(onScreen(part, toScreen));
            points += lines.back().size();
        }
    }
    // Smooth lines cost too much for the staircases of a long program.
    painter.setRenderHint(QPainter::Antialiasing, points <= smoothUpTo);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    for (const auto& s : series_.front().run->ideal()) painter.drawPath(toScreen.map(idealPath(s)));
    // The first staircase broad beneath the second, so that where they agree both show.
    auto line = lines.cbegin();
    double broad = 3.5;
    for (const Series& s : series_) {
        painter.setPen(QPen(s.colour, broad));
        broad = 1.5;
        for (std::size_t part = 0; part < s.run->staircase().parts().size(); ++part) {
            painter.drawPolyline(*line++);
        }
    }
    const int row = fontMetrics().height() + 2;
    QPointF at(8, 6);
    const int legendWidth = std::max(fontMetrics().horizontalAdvance(series_.back().name),
                                     fontMetrics().horizontalAdvance(Said::tr("理想轨迹"))) +
                            60;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(at - QPointF(4, 4), QSizeF(legendWidth, row * 3 + 8)),
                     QColor(255, 255, 255, 220));
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(at + QPointF(0, row / 2.0), at + QPointF(24, row / 2.0));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at + QPointF(30, 0), QSizeF(width(), row)), Said::tr("理想轨迹"));
    for (const Series& s : series_) {
        at.ry() += row;
        painter.setPen(QPen(s.colour, 3));
        painter.drawLine(at + QPointF(0, row / 2.0), at + QPointF(24, row / 2.0));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at + QPointF(30, 0), QSizeF(width(), row)), s.name);
    }
}

}  // namespace tarvo::app
