#include "app/teaching/ExerciseFigure.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarvo::app {

namespace {

QPointF pointF(motion::PulsePoint p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// The angle swept from `from` to `to`, counter-clockwise positive, in (0, 2π] one way or the other.
double sweep(double from, double to, bool clockwise) {
    constexpr double turn = 2 * std::numbers::pi;
    double ccw = std::fmod(to - from + 2 * turn, turn);
    if (ccw <= 0) ccw += turn;
    return clockwise ? ccw - turn : ccw;
}

}  // namespace

ExerciseFigure::ExerciseFigure(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

// Drawing only: the arc's points are doubles, never used to decide a step.
std::vector<QPointF> ExerciseFigure::ideal() const {
    if (!exercise_.arc) return {{0, 0}, pointF(exercise_.end)};
    const QPointF start = pointF(exercise_.start), end = pointF(exercise_.end);
    const double radius = std::hypot(start.x(), start.y());
    const double from = std::atan2(start.y(), start.x());
    const double by = sweep(from, std::atan2(end.y(), end.x()), exercise_.clockwise);
    constexpr int pieces = 96;
    std::vector<QPointF> points;
    for (int i = 0; i <= pieces; ++i) {
        const double angle = from + by * i / pieces;
        points.emplace_back(radius * std::cos(angle), radius * std::sin(angle));
    }
    return points;
}

void ExerciseFigure::setFigure(const teach::Exercise& exercise,
                               const std::vector<motion::PulsePoint>& whole) {
    exercise_ = exercise;
    std::vector<QPointF> points = ideal();
    for (const motion::PulsePoint p : whole) points.push_back(pointF(p));
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    const QRectF box(QPointF(left->x(), low->y()), QPointF(right->x(), high->y()));
    box_ = box.adjusted(-1, -1, 1, 1);
    path_ = {whole.front()};
    update();
}

void ExerciseFigure::setPath(const std::vector<motion::PulsePoint>& path) {
    path_ = path;
    update();
}

void ExerciseFigure::paintEvent(QPaintEvent*) {
    if (path_.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double margin = 8;
    const double scale =
        std::min((width() - 2 * margin) / box_.width(), (height() - 2 * margin) / box_.height());
    const QPointF origin((width() - scale * box_.width()) / 2 - scale * box_.left(),
                         (height() + scale * box_.height()) / 2 + scale * box_.top());
    const auto at = [&](QPointF p) {
        return QPointF(origin.x() + scale * p.x(), origin.y() - scale * p.y());
    };

    const QColor grid(222, 222, 222), axes(150, 150, 150);
    for (int x = static_cast<int>(std::ceil(box_.left())); x <= box_.right(); ++x) {
        painter.setPen(x == 0 ? axes : grid);
        painter.drawLine(at({double(x), box_.top()}), at({double(x), box_.bottom()}));
    }
    for (int y = static_cast<int>(std::ceil(box_.top())); y <= box_.bottom(); ++y) {
        painter.setPen(y == 0 ? axes : grid);
        painter.drawLine(at({box_.left(), double(y)}), at({box_.right(), double(y)}));
    }

    QPainterPath figure;
    const std::vector<QPointF> line = ideal();
    figure.moveTo(at(line.front()));
    for (const QPointF p : line) figure.lineTo(at(p));
    painter.setPen(QPen(QColor(40, 90, 200), 1.5, Qt::DashLine));
    painter.drawPath(figure);

    painter.setPen(QPen(QColor(200, 50, 30), 2.5));
    for (std::size_t i = 1; i < path_.size(); ++i) {
        painter.drawLine(at(pointF(path_[i - 1])), at(pointF(path_[i])));
    }
    painter.setPen(QPen(QColor(40, 90, 200), 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(pointF(exercise_.end)), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 50, 30));
    painter.drawEllipse(at(pointF(path_.back())), 5, 5);
}

}  // namespace tarvo::app
