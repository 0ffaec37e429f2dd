#include "app/panels/ViewWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/panels/PulseGridUnderlay.h"
#include "render/RasterCanvas.h"
#include "views/DrawingRecord.h"
#include "views/PulseGrid.h"

namespace tarvo::app {

namespace {

Qt::CursorShape cursorFor(views::Pointer pointer) {
    switch (pointer) {
        case views::Pointer::Hand:
            return Qt::OpenHandCursor;
        case views::Pointer::Cross:
            return Qt::CrossCursor;
        case views::Pointer::Arrow:
            break;
    }
    return Qt::ArrowCursor;
}

views::Buttons buttonState(Qt::MouseButtons buttons) {
    if (buttons == Qt::NoButton) return views::Buttons::None;
    return buttons == Qt::LeftButton ? views::Buttons::LeftAlone : views::Buttons::Other;
}

}  // namespace

ViewWidget::ViewWidget(render::RasterCanvas& canvas, PointerHandler pointerMoved, QWidget* parent)
    : QWidget(parent), canvas_(canvas), pointerMoved_(std::move(pointerMoved)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    canvas_.changed = [this] { follow(); };
    follow();
}

ViewWidget::~ViewWidget() {
    canvas_.changed = nullptr;
}

void ViewWidget::follow() {
    setVisible(canvas_.visible());
    setCursor(cursorFor(canvas_.pointer()));
    update();
}

void ViewWidget::showPulseGrid(views::Rgb background, std::function<motion::Decimal()> dlstep) {
    background_ = background;
    dlstep_ = std::move(dlstep);
    update();
}

void ViewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (dlstep_) {
        // The canvas's own mapping at its present size, so each line lies on
        // the pixels its step points are painted on; the canvas keeps its
        // picture as drawn, the grid goes into a copy.
        QImage shown = canvas_.image();
        const views::PulseGrid grid =
            views::pulseGrid(canvas_.pixelMap(), shown.width(), shown.height(), dlstep_());
        if (!grid.empty()) underlayPulseGrid(shown, grid, views::pixelOf(background_));
        painter.drawImage(0, 0, shown);
    } else {
        painter.drawImage(0, 0, canvas_.image());
    }
    canvas_.paintLabels(painter, canvas_.size());
}

void ViewWidget::resizeEvent(QResizeEvent*) {
    canvas_.resize(std::min(width(), height()));
}

void ViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = canvas_.toUser(event->position(), canvas_.size());
    pointerMoved_(buttonState(event->buttons()), static_cast<float>(user.x()),
                  static_cast<float>(user.y()));
}

}  // namespace tarvo::app
