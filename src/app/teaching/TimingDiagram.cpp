#include "app/teaching/TimingDiagram.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "app/base/FittedText.h"
#include "app/base/Said.h"
#include "app/base/ShownRefresh.h"
#include "app/teaching/TimingStrip.h"
#include "interp/Machine.h"
#include "teach/pulses/PulseHistory.h"

namespace tarvo::app {

namespace {

constexpr int refreshMilliseconds = 33;

QString millimetres(double internal) {
    return QString::number(internal / 10, 'f', 3);
}

QString byteText(const teach::PulseSample& s) {
    QString bits;
    for (int i = 0; i < 8; ++i) bits += s.bit(i) ? QLatin1Char('1') : QLatin1Char('0');
    return bits;
}

}  // namespace

TimingDiagram::TimingDiagram(const teach::PulseHistory& history, const interp::Machine& machine,
                             QWidget* parent)
    : QWidget(parent),
      history_(history),
      machine_(machine),
      strip_(new TimingStrip(history, this)),
      scroll_(new QScrollBar(Qt::Horizontal, this)),
      readout_(new QLabel(this)),
      legend_(new QLabel(this)) {
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long read-out takes more lines rather than widen the panel, and with it the window.
    readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    legend_->setForegroundRole(QPalette::PlaceholderText);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(readout_, 1);
    bottom->addWidget(legend_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(strip_, 1);
    layout->addWidget(scroll_);
    layout->addLayout(bottom);

    sayAgain(*this, [this] {
        legend_->setText(Said::tr("脉冲 0 有效    方向 0-正 1-负    蓝色底纹：译码节拍"));
        readout_->setToolTip(legend_->text());
        strip_->update();
        fitReadout();
    });
    new ShownRefresh(*this, refreshMilliseconds, [this] { refresh(); });
    connect(scroll_, &QScrollBar::valueChanged, this, &TimingDiagram::scrolled);
    connect(strip_, &TimingStrip::scrollRequested, this, &TimingDiagram::scrollBy);
    connect(strip_, &TimingStrip::capacityChanged, this, &TimingDiagram::place);
    connect(strip_, &TimingStrip::cursorMoved, this, &TimingDiagram::showReadout);
    place();
}

void TimingDiagram::refresh() {
    const bool running = machine_.advancing();
    if (history_.revision() == seen_ && running == running_) return;
    seen_ = history_.revision();
    running_ = running;
    place();
}

// The scroll bar counts the kept ticks from the oldest; its value is the
// last tick shown. A view scrolled back keeps its tick while new ones come.
void TimingDiagram::place() {
    if (running_) follow_ = true;
    const QSignalBlocker blocker(scroll_);
    if (history_.empty()) {
        scroll_->setRange(0, 0);
        scroll_->setEnabled(false);
        strip_->showUpTo(0);
        showReadout();
        return;
    }
    const std::uint64_t oldest = history_.at(0).tick, newest = history_.newest().tick;
    const int last = static_cast<int>(newest - oldest);
    const int fit = strip_->visibleTicks();
    const int first = std::min(fit - 1, last);
    std::uint64_t right =
        follow_ ? newest
                : std::max(strip_->rightTick(), oldest + static_cast<std::uint64_t>(first));
    // Narrowed, it keeps a pinned cursor in view, as a dock shown only now
    // gets its width.
    const std::uint64_t cursor = strip_->cursorPinned() ? strip_->cursorTick() : 0;
    if (!follow_ && cursor >= oldest && cursor + static_cast<std::uint64_t>(fit) <= right) {
        right = cursor + static_cast<std::uint64_t>(fit) - 1;
    }
    scroll_->setRange(first, last);
    scroll_->setPageStep(fit);
    scroll_->setSingleStep(std::max(1, fit / 10));
    scroll_->setValue(static_cast<int>(right - oldest));
    scroll_->setEnabled(!running_ && first < last);
    strip_->showUpTo(right);
    showReadout();
}

void TimingDiagram::showTick(std::uint64_t tick) {
    refresh();
    if (!history_.find(tick)) {
        strip_->pinCursor(0);
        return;
    }
    strip_->pinCursor(tick);
    if (tick >= strip_->leftTick() && tick <= strip_->rightTick()) return;
    // In the middle of the strip where the kept ticks allow.
    const auto half = static_cast<std::uint64_t>(strip_->visibleTicks() / 2);
    scroll_->setValue(static_cast<int>(tick + half - history_.at(0).tick));
}

void TimingDiagram::scrolled(int value) {
    if (history_.empty()) return;
    follow_ = value == scroll_->maximum();
    strip_->showUpTo(history_.at(0).tick + static_cast<std::uint64_t>(value));
    showReadout();
}

void TimingDiagram::scrollBy(int ticks) {
    if (scroll_->isEnabled()) scroll_->setValue(scroll_->value() + ticks);
}

QString TimingDiagram::readout() const {
    if (history_.empty()) return Said::tr("尚无节拍");
    const teach::PulseSample* s = history_.find(strip_->cursorTick());
    const QString where = s ? Said::tr("光标") : Said::tr("最新");
    if (!s) s = &history_.newest();
    return Said::tr("%1  节拍 %2（%3）  第%4行  X %5  Y %6  Z %7  输出 %8")
        .arg(where)
        .arg(s->tick)
        .arg(s->timer == interp::TimerId::Interpreter ? Said::tr("译码") : Said::tr("插补"))
        .arg(s->line)
        .arg(millimetres(s->point.x.toDouble()), millimetres(s->point.y.toDouble()),
             millimetres(s->point.z.toDouble()), byteText(*s));
}

void TimingDiagram::showReadout() {
    fitReadout();
}

// The read-out comes first: the legend shows only where both fit on one
// line, and is always the read-out's tool tip. A panel too narrow for the
// read-out's line, as beside the interpolation table on a small screen, gets
// its fields on as few lines as it takes.
void TimingDiagram::fitReadout() {
    const QString text = readout();
    const QFontMetrics metrics = readout_->fontMetrics();
    const QMargins margins = layout()->contentsMargins();
    legend_->setVisible(metrics.horizontalAdvance(text) + legend_->sizeHint().width() + 16 <=
                        contentsRect().width());
    readout_->setText(fittedText(text, QStringLiteral("  "), metrics,
                                 contentsRect().width() - margins.left() - margins.right()));
}

void TimingDiagram::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitReadout();
}

}  // namespace tarvo::app
