#include "app/teaching/PathOverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "app/base/FittedText.h"
#include "render/RasterCanvas.h"
#include "teach/IdealPathFigure.h"
#include "teach/PathRecord.h"

namespace tarvo::app {

namespace {

constexpr int frameMs = 40;  // 25 frames a second

QPointF at(const views::PixelMap& map, double x, double y) {
    return {map.x(static_cast<float>(x)), map.y(static_cast<float>(y))};
}

bool sameMap(const views::PixelMap& a, const views::PixelMap& b) {
    return a.left == b.left && a.top == b.top && a.kx == b.kx && a.ky == b.ky;
}

void drawSegment(QPainter& painter, const views::PixelMap& map, const teach::IdealSegment& s) {
    const std::vector<double> xy = teach::idealPolyline(s, map.kx);
    QPolygonF path;
    path.reserve(static_cast<qsizetype>(xy.size() / 2));
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) path << at(map, xy[i], xy[i + 1]);
    painter.drawPolyline(path);
}

}  // namespace

PathOverlay::PathOverlay(const teach::PathRecord& record, const render::RasterCanvas& canvas,
                         QWidget& view)
    : QWidget(&view), record_(record), canvas_(canvas) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.rect());
    view.installEventFilter(this);
    frame_.setInterval(frameMs);
    connect(&frame_, &QTimer::timeout, this, [this] {
        if (record_.deviation().changes() == seenChanges_) return;
        seenChanges_ = record_.deviation().changes();
        update();
    });
    follow();
}

void PathOverlay::setIdealShown(bool shown) {
    idealShown_ = shown;
    follow();
}

void PathOverlay::setLine(std::int64_t line) {
    line_ = line;
    lineRun_ = record_.runs();
    follow();
}

std::int64_t PathOverlay::line() const {
    return lineRun_ == record_.runs() ? line_ : 0;
}

// Hidden when there is nothing to draw, so the plan view costs no more than before.
void PathOverlay::follow() {
    const bool shown = idealShown_ || line_ != 0;
    setVisible(shown);
    if (shown) {
        frame_.start();
    } else {
        frame_.stop();
    }
    update();
}

bool PathOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(watched)->rect());
    return QWidget::eventFilter(watched, event);
}

void PathOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The canvas's own scale, so the overlay lands on the pixels of the path.
    const views::PixelMap map = canvas_.pixelMap();
    if (line() != 0) paintSteps(painter, map);
    if (!idealShown_) return;
    paintIdeal(painter, map);
    paintReadout(painter);
}

void PathOverlay::paintSteps(QPainter& painter, const views::PixelMap& map) const {
    const auto xy = record_.steps().polyline(line());
    QPolygonF steps;
    for (std::size_t i = 0; i < xy.size(); i += 2) {
        const QPointF p(map.x(xy[i]), map.y(xy[i + 1]));
        // Steps within one pixel of the last point kept add nothing to see.
        if (steps.isEmpty() || std::abs(p.x() - steps.back().x()) >= 1 ||
            std::abs(p.y() - steps.back().y()) >= 1 || i + 2 == xy.size()) {
            steps << p;
        }
    }
    painter.setPen(QPen(QColor(stepsColour), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(steps);
}

// Finished segments never change, so each is drawn once into a layer that
// lasts until the run, the size or the scale changes; only the segment under
// way is drawn afresh every frame.
void PathOverlay::paintIdeal(QPainter& painter, const views::PixelMap& map) {
    const auto& finished = record_.deviation().finished();
    if (layer_.size() != size() || layerRun_ != record_.runs() || !sameMap(layerMap_, map) ||
        layerSegments_ > finished.size()) {
        layer_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        layer_.fill(Qt::transparent);
        layerSegments_ = 0;
        layerRun_ = record_.runs();
        layerMap_ = map;
    }
    if (layerSegments_ < finished.size()) {
        QPainter layer(&layer_);
        layer.setPen(QColor(idealColour));
        for (; layerSegments_ < finished.size(); ++layerSegments_) {
            drawSegment(layer, map, finished[layerSegments_]);
        }
    }
    painter.drawImage(0, 0, layer_);
    if (const teach::IdealSegment* current = record_.deviation().current()) {
        painter.setPen(QColor(idealColour));
        drawSegment(painter, map, *current);
    }
}

QString PathOverlay::readout() const {
    return QString::fromStdString(
        teach::deviationReadout(record_.deviation(), record_.dlstep(), line()));
}

void PathOverlay::paintReadout(QPainter& painter) const {
    QFont font = painter.font();
    font.setPixelSize(std::max(11, height() / 38));
    painter.setFont(font);
    const QString text = readout();
    const QFontMetrics metrics(font);
    const int margin = metrics.height() / 3;
    // A view too narrow for the whole line, as on a small screen with the
    // interpolation table open, gets it on more lines, broken between words.
    const QString lines = fittedText(text, QStringLiteral(" "), metrics, width() - 4 * margin);
    QRect box = metrics.boundingRect(QRect(), Qt::AlignLeft, lines)
                    .adjusted(-margin, -margin, margin, margin);
    box.moveBottomLeft(QPoint(margin, height() - margin));
    painter.fillRect(box, QColor(0, 0, 0, 160));
    painter.setPen(QColor(idealColour));
    painter.drawText(box, Qt::AlignCenter, lines);
}

}  // namespace tarvo::app
