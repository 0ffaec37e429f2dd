#include "app/teaching/FeedPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/base/Said.h"

namespace tarvo::app {

namespace {

// The resultant feed of an iteration that fed this many axes, pulses.
double resultant(int axes) {
    return std::sqrt(static_cast<double>(axes));
}

constexpr double top = 1.8;  // just above √3
constexpr int left = 44, right = 10, above = 22, below = 20;

}  // namespace

FeedPlot::FeedPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(150);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void FeedPlot::show(std::vector<Series> series) {
    series_ = std::move(series);
    update();
}

void FeedPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area(left, above, width() - left - right, height() - above - below);
    painter.setPen(Qt::black);
    QRectF title(left, 2, area.width(), above - 4);
    const QString caption = Said::tr("合成进给（脉冲/次）");
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, caption);
    title.setLeft(title.left() + painter.fontMetrics().horizontalAdvance(caption) + 24);
    for (std::size_t i = 0; i < series_.size(); ++i) {
        const QString mean =
            Said::tr("%1 平均 %2    ")
                .arg(QChar(u'A' + static_cast<int>(i)))
                .arg(series_[i].feeds->span(0, series_[i].feeds->iterations()).meanFeed(), 0, 'f',
                     3);
        painter.setPen(series_[i].colour.darker(120));
        painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, mean);
        title.setLeft(title.left() + painter.fontMetrics().horizontalAdvance(mean));
    }
    for (const auto& [value, name] :
         {std::pair{0.0, QStringLiteral("0")}, std::pair{1.0, QStringLiteral("1")},
          std::pair{std::sqrt(2.0), QStringLiteral("√2")},
          std::pair{std::sqrt(3.0), QStringLiteral("√3")}}) {
        const double y = area.bottom() - value / top * area.height();
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - 8, left - 6, 16), Qt::AlignRight | Qt::AlignVCenter, name);
    }
    std::uint64_t span = 1;
    for (const Series& s : series_) span = std::max(span, s.feeds->iterations());
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), below - 2),
                     Qt::AlignRight | Qt::AlignVCenter,
                     Said::tr("迭代 %1").arg(static_cast<qulonglong>(span)));
    painter.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), below - 2),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1"));
    painter.setRenderHint(QPainter::Antialiasing);
    // The first series broad beneath the second, so that where they agree both show.
    double width = 4;
    for (const Series& s : series_) {
        plot(painter, s, area, span, width);
        width = 1.5;
    }
}

void FeedPlot::plot(QPainter& painter, const Series& series, const QRectF& area, std::uint64_t span,
                    double width) const {
    const teach::FeedHistory& feeds = *series.feeds;
    if (feeds.iterations() == 0) return;
    const auto yOf = [&area](double value) { return area.bottom() - value / top * area.height(); };
    const auto columns = static_cast<std::uint64_t>(std::max(1.0, area.width()));
    QPolygonF line;
    if (span <= columns && feeds.width() == 1) {
        // Each iteration a flat step of its own width.
        const double w = area.width() / static_cast<double>(span);
        double x = area.left();
        for (const teach::FeedCounts& iteration : feeds.kept()) {
            const double y = yOf(resultant(iteration.most()));
            line << QPointF(x, y) << QPointF(x + w, y);
            x += w;
        }
    } else {
        for (std::uint64_t c = 0; c < columns; ++c) {
            const std::uint64_t from = c * span / columns,
                                to = std::min(feeds.iterations(), (c + 1) * span / columns);
            if (from >= to) break;
            line << QPointF(area.left() + static_cast<double>(c) + 0.5,
                            yOf(feeds.span(from, to).meanFeed()));
        }
    }
    painter.setPen(QPen(series.colour, width));
    painter.drawPolyline(line);
    const double mean = yOf(feeds.span(0, feeds.iterations()).meanFeed());
    const double end = area.left() + area.width() * static_cast<double>(feeds.iterations()) /
                                         static_cast<double>(span);
    painter.setPen(QPen(series.colour, 1, Qt::DotLine));
    painter.drawLine(QPointF(area.left(), mean), QPointF(end, mean));
}

}  // namespace tarvo::app
