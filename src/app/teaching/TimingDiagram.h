#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;
class QScrollBar;

namespace tarvo::interp {
class Machine;
}
namespace tarvo::teach {
class PulseHistory;
}

namespace tarvo::app {

class TimingStrip;

// "脉冲时序图": the parallel-port byte tick by tick, with a scroll bar and the
// read-out of the tick under the cursor (the newest tick without one).
// While the run advances it follows the newest tick; paused or ended, it
// stays where it is and can be scrolled back through the kept ticks. It
// looks at the history from a timer, about thirty times a second and only
// while shown, so the machine's clock never waits for a repaint.
class TimingDiagram : public QWidget {
    Q_OBJECT

public:
    TimingDiagram(const teach::PulseHistory& history, const interp::Machine& machine,
                  QWidget* parent = nullptr);

    // What the timer does: takes in the ticks made since the last look.
    void refresh();
    // The cursor pinned on a tick of the run, scrolled into view unless the
    // run advances; a tick no longer kept takes the cursor away.
    void showTick(std::uint64_t tick);

    bool following() const { return follow_; }
    TimingStrip& strip() { return *strip_; }
    QScrollBar& scrollBar() { return *scroll_; }
    QString readout() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    void scrolled(int value);
    void scrollBy(int ticks);
    void showReadout();
    void fitReadout();

    const teach::PulseHistory& history_;
    const interp::Machine& machine_;
    TimingStrip* strip_;
    QScrollBar* scroll_;
    QLabel* readout_;
    QLabel* legend_;
    std::uint64_t seen_ = ~std::uint64_t{0};  // the history's revision shown
    bool running_ = false;
    bool follow_ = true;
};

}  // namespace tarvo::app
