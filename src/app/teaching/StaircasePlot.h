#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "teach/MethodTrial.h"

namespace tarvo::app {

// The plan view of two runs of one program: the ideal path thin and dashed,
// each run's staircase of step points in its own colour, a legend, and the
// grid of pulses once a pulse is wide enough on screen to see.
class StaircasePlot : public QWidget {
    Q_OBJECT

public:
    struct Series {
        const teach::MethodTrial* trial = nullptr;
        QString name;
        QColor colour;
    };

    explicit StaircasePlot(QWidget* parent = nullptr);

    // The runs drawn; they must outlive the plot or the next call.
    void show(std::vector<Series> series);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Series> series_;
};

}  // namespace tarvo::app
