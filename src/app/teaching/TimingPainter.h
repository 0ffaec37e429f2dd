#pragma once

#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;

namespace tarvo::teach {
class PulseHistory;
}
namespace tarvo::app {

// Draws the pulse timing diagram like a logic analyser: a tick ruler on top,
// one trace per bit of the parallel-port byte labelled as on the output
// panel, the program line as a bus row, and the cursor. Ticks of the
// interpreter's timer are shaded, so the hand-over between the timers shows.
class TimingPainter {
public:
    static constexpr int rows = 9;  // the eight bits, then the program line

    // Where the ticks go: ticks `left` to `right` of the history, each
    // `pixelsPerTick` wide, from the end of the label column.
    struct Frame {
        int width = 0, height = 0;
        int labelWidth = 0, rulerHeight = 0, rowHeight = 0, pixelsPerTick = 1;
        std::uint64_t left = 0, right = 0;
        std::uint64_t cursor = 0;  // 0: no cursor

        int xOf(std::uint64_t tick) const {
            return labelWidth + static_cast<int>(tick - left) * pixelsPerTick;
        }
        int rowTop(int row) const { return rulerHeight + row * rowHeight; }
    };

    // The caption of a row, as the output panel labels its bit.
    static QString rowLabel(int row);

    TimingPainter(QPainter& painter, const teach::PulseHistory& history, const Frame& frame)
        : p_(painter), history_(history), f_(frame) {}

    void paint();

private:
    void paintShading();
    void paintRuler();
    void paintLabels();
    void paintBit(int bit);
    void paintLines();
    void paintCursor();
    QRect cursorTag() const;

    QPainter& p_;
    const teach::PulseHistory& history_;
    const Frame& f_;
};

}  // namespace tarvo::app
