#include "app/teaching/StaircasePlot.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvo::app {

namespace {

// Pixels a pulse must span before the grid of pulses is drawn.
constexpr double gridFrom = 8;
constexpr double margin = 16;
constexpr std::size_t smoothUpTo = 20'000;

// The bounds of what a run drew, as left, bottom, right, top.
struct Bounds {
    double left = 0, bottom = 0, right = 0, top = 0;
    bool empty = true;

    void take(double x, double y) {
        if (empty) {
            *this = {x, y, x, y, false};
            return;
        }
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    // An arc reaches beyond its ends where it crosses an axis through its centre.
    void takeArc(const teach::IdealSegment& s) {
        const double from = std::atan2(s.start.y - s.cy, s.start.x - s.cx);
        constexpr int pieces = 64;
        for (int i = 1; i < pieces; ++i) {
            const double a = from + s.sweep() * i / pieces;
            take(s.cx + s.radius * std::cos(a), s.cy + s.radius * std::sin(a));
        }
    }
    void take(const teach::MethodTrial& trial) {
        for (const auto& segment : trial.path.segments) {
            for (const auto& p : segment) take(p.x, p.y);
        }
        for (const auto& s : trial.ideal) {
            take(s.start.x, s.start.y);
            take(s.end.x, s.end.y);
            if (s.arc()) takeArc(s);
        }
    }
};

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

}  // namespace

StaircasePlot::StaircasePlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void StaircasePlot::show(std::vector<Series> series) {
    series_ = std::move(series);
    update();
}

void StaircasePlot::paintEvent(QPaintEvent*) {
    if (series_.empty()) return;
    Bounds drawn;
    for (const Series& s : series_) drawn.take(*s.trial);
    if (drawn.empty) return;
    const double pulse = series_.front().trial->dlstep;
    const QRectF box(QPointF(drawn.left - pulse, drawn.bottom - pulse),
                     QPointF(drawn.right + pulse, drawn.top + pulse));
    const double scale =
        std::min((width() - 2 * margin) / box.width(), (height() - 2 * margin) / box.height());
    QPainter painter(this);
    // Smooth lines cost too much for the staircases of a long program.
    std::size_t points = 0;
    for (const Series& s : series_) {
        for (const auto& segment : s.trial->path.segments) points += segment.size();
    }
    painter.setRenderHint(QPainter::Antialiasing, points <= smoothUpTo);
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
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    for (const auto& s : series_.front().trial->ideal) painter.drawPath(toScreen.map(idealPath(s)));
    // The first staircase broad beneath the second, so that where they agree both show.
    double broad = 3.5;
    for (const Series& s : series_) {
        painter.setPen(QPen(s.colour, broad));
        broad = 1.5;
        for (const auto& segment : s.trial->path.segments) {
            QPolygonF line;
            for (const auto& p : segment) line << QPointF(p.x, p.y);
            painter.drawPolyline(toScreen.map(line));
        }
    }
    const int row = fontMetrics().height() + 2;
    QPointF at(8, 6);
    const int legendWidth = fontMetrics().horizontalAdvance(series_.back().name) + 60;
    painter.fillRect(QRectF(at - QPointF(4, 4), QSizeF(legendWidth, row * 3 + 8)),
                     QColor(255, 255, 255, 220));
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.drawLine(at + QPointF(0, row / 2.0), at + QPointF(24, row / 2.0));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(at + QPointF(30, 0), QSizeF(width(), row)), QStringLiteral("理想轨迹"));
    for (const Series& s : series_) {
        at.ry() += row;
        painter.setPen(QPen(s.colour, 3));
        painter.drawLine(at + QPointF(0, row / 2.0), at + QPointF(24, row / 2.0));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at + QPointF(30, 0), QSizeF(width(), row)), s.name);
    }
}

}  // namespace tarvo::app
