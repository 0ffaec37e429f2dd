#include "app/teaching/TimingStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <array>

#include "app/base/Said.h"
#include "app/teaching/TimingPainter.h"
#include "teach/pulses/PulseHistory.h"

namespace tarvo::app {

namespace {
constexpr std::array zoomLevels{1, 2, 3, 4, 6, 8, 12, 16, 24};  // pixels per tick
}  // namespace

TimingStrip::TimingStrip(const teach::PulseHistory& history, QWidget* parent)
    : QWidget(parent), history_(history) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    sayOn(*this, this, &QWidget::setToolTip,
          QT_TRANSLATE_NOOP("Said",
                            "指向某一节拍查看其读数，单击固定光标；滚轮前后翻看，Ctrl+滚轮缩放"));
}

int TimingStrip::labelWidth() const {
    int widest = 0;
    for (int row = 0; row < TimingPainter::rows; ++row) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(TimingPainter::rowLabel(row)));
    }
    return widest + 40;
}

int TimingStrip::rulerHeight() const {
    return fontMetrics().height() + 8;
}

int TimingStrip::rowHeight() const {
    const int text = fontMetrics().height();
    return std::clamp((height() - rulerHeight()) / TimingPainter::rows, text + 4, 2 * text);
}

// Beside the control panel, about as wide as the interpolation table it is
// tabbed with, leaving the views their share of a wider window.
QSize TimingStrip::sizeHint() const {
    return {labelWidth() + 360,
            rulerHeight() + TimingPainter::rows * (fontMetrics().height() + 10)};
}

QSize TimingStrip::minimumSizeHint() const {
    return {labelWidth() + 120, rulerHeight() + TimingPainter::rows * (fontMetrics().height() + 4)};
}

int TimingStrip::visibleTicks() const {
    return std::max(1, (width() - labelWidth()) / pixelsPerTick_);
}

void TimingStrip::showUpTo(std::uint64_t tick) {
    right_ = tick;
    update();
}

// Kept within the history, which a fresh run may have emptied since.
std::uint64_t TimingStrip::rightTick() const {
    if (history_.empty()) return 0;
    return std::clamp(right_, history_.at(0).tick, history_.newest().tick);
}

std::uint64_t TimingStrip::leftTick() const {
    if (history_.empty()) return 0;
    const std::uint64_t oldest = history_.at(0).tick, right = rightTick();
    const auto fit = static_cast<std::uint64_t>(visibleTicks());
    return right >= oldest + fit - 1 ? right - fit + 1 : oldest;
}

std::uint64_t TimingStrip::tickAt(QPoint point) const {
    const int x = point.x() - labelWidth();
    if (history_.empty() || x < 0 || point.y() < rulerHeight()) return 0;
    const std::uint64_t tick = leftTick() + static_cast<std::uint64_t>(x / pixelsPerTick_);
    return tick <= rightTick() ? tick : 0;
}

void TimingStrip::paintEvent(QPaintEvent*) {
    TimingPainter::Frame frame;
    frame.width = width();
    frame.height = height();
    frame.labelWidth = labelWidth();
    frame.rulerHeight = rulerHeight();
    frame.rowHeight = rowHeight();
    frame.pixelsPerTick = pixelsPerTick_;
    frame.left = leftTick();
    frame.right = rightTick();
    frame.cursor = cursor_;
    QPainter painter(this);
    TimingPainter(painter, history_, frame).paint();
}

void TimingStrip::mouseMoveEvent(QMouseEvent* event) {
    const std::uint64_t tick = tickAt(event->position().toPoint());
    if (pinned_ || tick == 0 || tick == cursor_) return;
    cursor_ = tick;
    update();
    emit cursorMoved();
}

void TimingStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const std::uint64_t tick = tickAt(event->position().toPoint());
    pinned_ = !pinned_ && tick != 0;
    if (tick != 0) cursor_ = tick;
    update();
    emit cursorMoved();
}

void TimingStrip::pinCursor(std::uint64_t tick) {
    cursor_ = tick;
    pinned_ = tick != 0;
    update();
    emit cursorMoved();
}

void TimingStrip::leaveEvent(QEvent*) {
    if (pinned_ || cursor_ == 0) return;
    cursor_ = 0;
    update();
    emit cursorMoved();
}

void TimingStrip::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    const int eighths = delta.y() != 0 ? delta.y() : delta.x();
    if (eighths == 0) return;
    const int steps = eighths / 120 != 0 ? eighths / 120 : (eighths > 0 ? 1 : -1);
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(steps);
    } else {
        emit scrollRequested(-steps * std::max(1, visibleTicks() / 10));
    }
    event->accept();
}

void TimingStrip::zoom(int steps) {
    const auto at = std::find(zoomLevels.begin(), zoomLevels.end(), pixelsPerTick_);
    const auto index =
        std::clamp<std::ptrdiff_t>(at - zoomLevels.begin() + steps, 0, std::ssize(zoomLevels) - 1);
    pixelsPerTick_ = zoomLevels[static_cast<std::size_t>(index)];
    update();
    emit capacityChanged();
}

void TimingStrip::resizeEvent(QResizeEvent*) {
    emit capacityChanged();
}

}  // namespace tarvo::app
