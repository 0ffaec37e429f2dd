#include "app/teaching/PathOverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "app/base/FittedText.h"
#include "render/RasterCanvas.h"
#include "teach/ideal/PathRecord.h"

namespace tarvo::app {

namespace {

constexpr int frameMs = 40;  // 25 frames a second

QPointF at(const views::PixelMap& map, double x, double y) {
    return {map.x(static_cast<float>(x)), map.y(static_cast<float>(y))};
}

bool sameMap(const views::PixelMap& a, const views::PixelMap& b) {
    return a.left == b.left && a.top == b.top && a.kx == b.kx && a.ky == b.ky;
}

// An arc as a polyline fine enough that its pieces stay within a pixel or
// so of the circle however large it is shown.
void drawArc(QPainter& painter, const views::PixelMap& map, const teach::IdealSegment& s) {
    const double sweep = s.sweep();
    const double from = std::atan2(s.start.y - s.cy, s.start.x - s.cx);
    const double pixels = std::abs(sweep) * s.radius * std::abs(map.kx);
    const int pieces = std::clamp(static_cast<int>(std::ceil(pixels / 3)), 4, 4096);
    QPolygonF arc;
    arc.reserve(pieces + 1);
    for (int i = 0; i <= pieces; ++i) {
        const double a = from + sweep * i / pieces;
        arc << at(map, s.cx + s.radius * std::cos(a), s.cy + s.radius * std::sin(a));
    }
    painter.drawPolyline(arc);
}

void drawSegment(QPainter& painter, const views::PixelMap& map, const teach::IdealSegment& s) {
    if (s.arc()) {
        drawArc(painter, map, s);
    } else {
        painter.drawLine(at(map, s.start.x, s.start.y), at(map, s.end.x, s.end.y));
    }
}

QString amount(double distance, double dlstep) {
    return QStringLiteral("%1 脉冲 (%2 mm)")
        .arg(dlstep > 0 ? distance / dlstep : 0, 0, 'f', 2)
        .arg(distance / 10, 0, 'f', 3);
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
    const teach::PathDeviation& deviation = record_.deviation();
    const double dlstep = record_.dlstep();
    const teach::IdealSegment* segment =
        line() != 0 ? deviation.ofLine(line()) : deviation.current();
    const QString which =
        line() != 0 ? QStringLiteral("第%1行").arg(line()) : QStringLiteral("本段");
    const QString part = segment ? amount(segment->deviation, dlstep) : QStringLiteral("—");
    return QStringLiteral("偏差：%1 %2  全程 %3")
        .arg(which, part, amount(deviation.runDeviation(), dlstep));
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
