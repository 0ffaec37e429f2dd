#pragma once

#include <QWidget>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/exercises/Exercise.h"

namespace tarvo::app {

// An exercise's figure in a grid of whole pulses: the ideal line or arc, the
// steps taken so far as a staircase, and the point where the figure stands.
// Scaled to fit, the whole of the figure's steps in view from the start.
class ExerciseFigure : public QWidget {
public:
    explicit ExerciseFigure(QWidget* parent = nullptr);

    // A new figure; `whole` is every point its steps will reach (pulses).
    void setFigure(const teach::Exercise& exercise, const std::vector<motion::PulsePoint>& whole);
    // The points reached so far, from the figure's start.
    void setPath(const std::vector<motion::PulsePoint>& path);

    QSize sizeHint() const override { return {500, 260}; }
    QSize minimumSizeHint() const override { return {160, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QPointF> ideal() const;

    teach::Exercise exercise_;
    QRectF box_;  // the pulses in view, y upwards
    std::vector<motion::PulsePoint> path_;
};

}  // namespace tarvo::app
