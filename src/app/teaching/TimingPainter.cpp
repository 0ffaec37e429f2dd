#include "app/teaching/TimingPainter.h"

#include <QPainter>
#include <QPolygonF>
#include <array>

#include "app/base/Said.h"
#include "teach/pulses/PulseHistory.h"

namespace tarvo::app {

namespace {

const QColor background(16, 20, 26);
const QColor panel(30, 36, 44);
const QColor text(222, 228, 234);
const QColor dimText(128, 138, 150);
const QColor grid(42, 49, 58);
const QColor interpreterShade(26, 38, 56);
const QColor cursorColour(255, 92, 120);
const QColor lineColour(196, 150, 255);

// Pulse bits green, direction bits blue, spindle and coolant amber.
QColor traceColour(int bit) {
    if (bit >= 6) return {255, 196, 64};
    return bit % 2 == 0 ? QColor(80, 224, 120) : QColor(96, 190, 255);
}

// The ruler's spacing: 1, 2 or 5 times a power of ten, at least 60 pixels.
std::uint64_t rulerStep(int pixelsPerTick) {
    for (std::uint64_t decade = 1;; decade *= 10) {
        for (std::uint64_t factor : {1, 2, 5}) {
            if (static_cast<int>(decade * factor) * pixelsPerTick >= 60) return decade * factor;
        }
    }
}

// Visits each run of ticks that share a key: f(first, last, key).
template <typename Key, typename F>
void forRuns(const teach::PulseHistory& history, std::uint64_t left, std::uint64_t right, Key key,
             F f) {
    std::uint64_t first = left;
    for (std::uint64_t t = left + 1; t <= right + 1; ++t) {
        if (t <= right && key(*history.find(t)) == key(*history.find(first))) continue;
        f(first, t - 1, key(*history.find(first)));
        first = t;
    }
}

}  // namespace

QString TimingPainter::rowLabel(int row) {
    static constexpr std::array<const char*, rows> labels{
        QT_TRANSLATE_NOOP("Said", "X轴脉冲"),  QT_TRANSLATE_NOOP("Said", "X轴方向"),
        QT_TRANSLATE_NOOP("Said", "Y轴脉冲"),  QT_TRANSLATE_NOOP("Said", "Y轴方向"),
        QT_TRANSLATE_NOOP("Said", "Z轴脉冲"),  QT_TRANSLATE_NOOP("Said", "Z轴方向"),
        QT_TRANSLATE_NOOP("Said", "主轴状态"), QT_TRANSLATE_NOOP("Said", "冷却液状态"),
        QT_TRANSLATE_NOOP("Said", "程序行")};
    return Said::tr(labels[static_cast<std::size_t>(row)]);
}

void TimingPainter::paint() {
    p_.fillRect(0, 0, f_.width, f_.height, background);
    p_.save();
    p_.setClipRect(f_.labelWidth, 0, f_.width - f_.labelWidth, f_.height);
    const bool any = !history_.empty() && f_.right >= f_.left;
    if (any) paintShading();
    paintRuler();
    if (any) {
        for (int bit = 0; bit < 8; ++bit) paintBit(bit);
        paintLines();
        paintCursor();
    } else {
        p_.setPen(dimText);
        p_.drawText(f_.labelWidth + 16, f_.rowTop(0), f_.width, f_.rowHeight * rows,
                    Qt::AlignVCenter | Qt::AlignLeft,
                    Said::tr("运行程序后，这里逐个节拍显示并行口输出字节"));
    }
    p_.restore();
    paintLabels();
}

void TimingPainter::paintShading() {
    forRuns(
        history_, f_.left, f_.right, [](const teach::PulseSample& s) { return s.timer; },
        [this](std::uint64_t a, std::uint64_t b, interp::TimerId timer) {
            if (timer != interp::TimerId::Interpreter) return;
            p_.fillRect(f_.xOf(a), f_.rulerHeight, static_cast<int>(b - a + 1) * f_.pixelsPerTick,
                        rows * f_.rowHeight, interpreterShade);
        });
}

void TimingPainter::paintRuler() {
    p_.fillRect(0, 0, f_.width, f_.rulerHeight, panel);
    QFont small = p_.font();
    if (small.pointSizeF() > 0) small.setPointSizeF(small.pointSizeF() * 0.85);
    p_.setFont(small);
    const std::uint64_t step = rulerStep(f_.pixelsPerTick);
    const int bottom = f_.rowTop(rows);
    const QRect tag = cursorTag();
    for (std::uint64_t t = (f_.left + step - 1) / step * step; t <= f_.right; t += step) {
        const int x = f_.xOf(t) + f_.pixelsPerTick / 2;
        p_.setPen(grid);
        p_.drawLine(x, f_.rulerHeight, x, bottom);
        p_.setPen(dimText);
        p_.drawLine(x, f_.rulerHeight - 5, x, f_.rulerHeight - 1);
        const QString number = QString::number(t);
        const QRect box(x + 3, 0, p_.fontMetrics().horizontalAdvance(number), f_.rulerHeight - 3);
        if (!box.intersects(tag)) p_.drawText(box, Qt::AlignLeft | Qt::AlignBottom, number);
    }
    p_.setPen(grid);
    for (int row = 1; row <= rows; ++row) p_.drawLine(0, f_.rowTop(row), f_.width, f_.rowTop(row));
}

void TimingPainter::paintLabels() {
    p_.fillRect(0, 0, f_.labelWidth, f_.rowTop(rows), panel);
    p_.setPen(dimText);
    p_.drawText(8, 0, f_.labelWidth - 16, f_.rulerHeight, Qt::AlignVCenter | Qt::AlignLeft,
                Said::tr("节拍"));
    for (int row = 0; row < rows; ++row) {
        const QRect box(8, f_.rowTop(row), f_.labelWidth - 16, f_.rowHeight);
        p_.setPen(text);
        p_.drawText(box, Qt::AlignVCenter | Qt::AlignLeft, rowLabel(row));
        if (row >= 8) continue;
        p_.setPen(dimText);
        p_.drawText(box, Qt::AlignVCenter | Qt::AlignRight, QString::number(row));
    }
    p_.setPen(grid);
    p_.drawLine(f_.labelWidth - 1, 0, f_.labelWidth - 1, f_.rowTop(rows));
}

// High and low levels joined by vertical edges; a high level is lightly
// filled, so a pulse (a short low) stands out as a notch.
void TimingPainter::paintBit(int bit) {
    const int top = f_.rowTop(bit);
    const int high = top + f_.rowHeight / 4;
    const int low = top + f_.rowHeight - f_.rowHeight / 4;
    QColor fill = traceColour(bit);
    fill.setAlpha(40);
    QPolygonF trace;
    forRuns(
        history_, f_.left, f_.right, [bit](const teach::PulseSample& s) { return s.bit(bit); },
        [&](std::uint64_t a, std::uint64_t b, bool level) {
            const int x0 = f_.xOf(a), x1 = f_.xOf(b + 1), y = level ? high : low;
            if (level) p_.fillRect(x0, high, x1 - x0, low - high, fill);
            if (!trace.isEmpty()) trace << QPointF(x0, trace.last().y());
            trace << QPointF(x0, y) << QPointF(x1, y);
        });
    p_.setPen(QPen(traceColour(bit), 2));
    p_.drawPolyline(trace);
}

// The program line as a bus: one cell per line, its number inside when it fits.
void TimingPainter::paintLines() {
    const int top = f_.rowTop(8) + 3, bottom = f_.rowTop(9) - 3, mid = (top + bottom) / 2;
    QColor fill = lineColour;
    fill.setAlpha(36);
    p_.setRenderHint(QPainter::Antialiasing, true);
    forRuns(
        history_, f_.left, f_.right, [](const teach::PulseSample& s) { return s.line; },
        [&](std::uint64_t a, std::uint64_t b, std::int64_t line) {
            const int x0 = f_.xOf(a), x1 = f_.xOf(b + 1), k = std::min(4, (x1 - x0) / 2);
            const QPolygonF cell({QPointF(x0, mid), QPointF(x0 + k, top), QPointF(x1 - k, top),
                                  QPointF(x1, mid), QPointF(x1 - k, bottom),
                                  QPointF(x0 + k, bottom)});
            p_.setPen(QPen(lineColour, 1.2));
            p_.setBrush(fill);
            p_.drawPolygon(cell);
            const QRect box(x0 + k, top, x1 - x0 - 2 * k, bottom - top);
            for (const QString& caption : {Said::tr("第%1行").arg(line), QString::number(line)}) {
                if (p_.fontMetrics().horizontalAdvance(caption) > box.width()) continue;
                p_.setPen(text);
                p_.drawText(box, Qt::AlignCenter, caption);
                break;
            }
        });
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setBrush(Qt::NoBrush);
}

// The cursor's tick number on the ruler; empty while no cursor is in view.
QRect TimingPainter::cursorTag() const {
    if (f_.cursor < f_.left || f_.cursor > f_.right) return {};
    const int x = f_.xOf(f_.cursor) + f_.pixelsPerTick / 2;
    const int w = p_.fontMetrics().horizontalAdvance(QString::number(f_.cursor)) + 8;
    return {x - w / 2, 2, w, f_.rulerHeight - 4};
}

void TimingPainter::paintCursor() {
    const QRect tag = cursorTag();
    if (tag.isEmpty()) return;
    const int x = f_.xOf(f_.cursor) + f_.pixelsPerTick / 2;
    p_.setPen(QPen(cursorColour, 1));
    p_.drawLine(x, f_.rulerHeight, x, f_.rowTop(rows));
    p_.fillRect(tag, cursorColour);
    p_.setPen(Qt::white);
    p_.drawText(tag, Qt::AlignCenter, QString::number(f_.cursor));
}

}  // namespace tarvo::app
