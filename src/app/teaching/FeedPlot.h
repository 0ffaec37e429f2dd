#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "teach/comparison/FeedHistory.h"

namespace tarvo::app {

// 合成进给（脉冲/次）: the length of each iteration's feed vector in pulses,
// 0, 1, √2 or √3, against the iteration number, one series per run on a
// shared axis, so the run that finishes in fewer iterations ends further
// left. Where more iterations than pixels share a column, the column shows
// their mean: the speed along the path. A dotted line marks each run's mean,
// and the title gives it. The history comes folded to a bounded number of
// buckets, so a repaint costs the same for any run.
class FeedPlot : public QWidget {
    Q_OBJECT

public:
    struct Series {
        const teach::FeedHistory* feeds = nullptr;
        QColor colour;
    };

    explicit FeedPlot(QWidget* parent = nullptr);

    // The runs plotted; their histories must outlive the plot or the next call.
    void show(std::vector<Series> series);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void plot(QPainter& painter, const Series& series, const QRectF& area, std::uint64_t span,
              double width) const;

    std::vector<Series> series_;
};

}  // namespace tarvo::app
