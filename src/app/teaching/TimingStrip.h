#pragma once

#include <QWidget>
#include <cstdint>

namespace tarvo::teach {
class PulseHistory;
}
namespace tarvo::app {

// The drawn part of the pulse timing diagram: as many of the kept ticks as
// fit its width, ending at a chosen tick. Pointing at a tick moves the
// cursor there and leaving takes it away, unless a click has pinned it; the
// next click frees it. The wheel asks to scroll, and with Ctrl zooms.
class TimingStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int defaultPixelsPerTick = 4;

    TimingStrip(const teach::PulseHistory& history, QWidget* parent = nullptr);

    // The last tick to show, a tick number of the history; the strip keeps
    // within the ticks the history holds.
    void showUpTo(std::uint64_t tick);
    std::uint64_t rightTick() const;
    std::uint64_t leftTick() const;
    int visibleTicks() const;  // ticks the width holds at the zoom
    int pixelsPerTick() const { return pixelsPerTick_; }

    // The tick drawn at a point of the strip, 0 where no tick is drawn.
    std::uint64_t tickAt(QPoint point) const;
    std::uint64_t cursorTick() const { return cursor_; }
    bool cursorPinned() const { return pinned_; }
    // The cursor pinned on a tick chosen elsewhere, as a click would pin it;
    // 0 takes it away.
    void pinCursor(std::uint64_t tick);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void cursorMoved();
    // The wheel turned over the strip: ticks to go, negative towards older.
    void scrollRequested(int ticks);
    // The number of ticks that fit has changed (zoom or resize).
    void capacityChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int labelWidth() const;
    int rulerHeight() const;
    int rowHeight() const;
    void zoom(int steps);

    const teach::PulseHistory& history_;
    std::uint64_t right_ = 0;
    std::uint64_t cursor_ = 0;
    bool pinned_ = false;
    int pixelsPerTick_ = defaultPixelsPerTick;
};

}  // namespace tarvo::app
