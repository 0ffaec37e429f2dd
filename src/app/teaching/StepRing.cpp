#include "app/teaching/StepRing.h"

#include <QEvent>
#include <QPainter>

#include "render/RasterCanvas.h"

namespace tarvo::app {

StepRing::StepRing(const render::RasterCanvas& canvas, QWidget& view)
    : QWidget(&view), canvas_(canvas) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.rect());
    view.installEventFilter(this);
    hide();
}

void StepRing::ring(std::optional<QPointF> point) {
    point_ = point;
    setVisible(point.has_value());
    update();
}

std::optional<QPointF> StepRing::centre() const {
    if (!point_) return std::nullopt;
    const views::PixelMap& map = canvas_.pixelMap();
    return QPointF(map.x(static_cast<float>(point_->x())), map.y(static_cast<float>(point_->y())));
}

void StepRing::paintEvent(QPaintEvent*) {
    const std::optional<QPointF> at = centre();
    if (!at) return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(colour), 2));
    painter.drawEllipse(*at, radius, radius);
}

bool StepRing::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(watched)->rect());
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarvo::app
