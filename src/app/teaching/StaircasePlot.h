#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "teach/comparison/MethodRun.h"

namespace tarvo::app {

// The plan view of two runs of one program: the ideal path thin and dashed,
// each run's staircase of step points in its own colour, a legend, and the
// grid of pulses once a pulse is wide enough on screen to see. The
// staircases come thinned to a cell of the largest drawing and are thinned
// again to the pixels at hand, so a repaint costs the same for any run.
class StaircasePlot : public QWidget {
    Q_OBJECT

public:
    struct Series {
        const teach::MethodRun* run = nullptr;
        QString name;
        QColor colour;
    };

    explicit StaircasePlot(QWidget* parent = nullptr);

    // The runs drawn; they must outlive the plot or the next call.
    // dlstep: the runs' step length, internal units (tenths of a millimetre).
    void show(std::vector<Series> series, double dlstep);
    // Draws nothing but the note, centred, until the next show().
    void clear(const QString& note);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Series> series_;
    double dlstep_ = 10;
    QString note_;
};

}  // namespace tarvo::app
