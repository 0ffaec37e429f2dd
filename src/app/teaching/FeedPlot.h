#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace tarvo::app {

// 合成进给（脉冲/次）: the length of each iteration's feed vector in pulses,
// 0, 1, √2 or √3, against the iteration number, one series per run on a
// shared axis, so the run that finishes in fewer iterations ends further
// left. Where more iterations than pixels share a column, the column shows
// their mean: the speed along the path. A dotted line marks each run's mean, and the title
// gives it.
class FeedPlot : public QWidget {
    Q_OBJECT

public:
    struct Series {
        const std::vector<std::uint8_t>* fedAxes = nullptr;  // per iteration, axes fed
        QColor colour;
    };

    explicit FeedPlot(QWidget* parent = nullptr);

    // The runs plotted; their records must outlive the plot or the next call.
    void show(std::vector<Series> series);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void plot(QPainter& painter, const Series& series, const QRectF& area, std::size_t span,
              double width) const;

    std::vector<Series> series_;
};

// The mean resultant feed of a run, pulses per iteration; 0 for none.
double meanFeed(const std::vector<std::uint8_t>& fedAxes);

}  // namespace tarvo::app
