#include "interp/BatchedPanel.h"

namespace tarvo::interp {

void BatchedPanel::batch(const std::function<void()>& ticks) {
    if (held_) {
        ticks();
        return;
    }
    held_.emplace();
    ticks();
    const Held held = *held_;
    held_.reset();
    showHeld(held);
}

void BatchedPanel::showHeld(const Held& held) {
    for (std::size_t i = 0; i < held.bits.size(); ++i) {
        if (held.bits[i]) shown_.outputBitChanged(static_cast<int>(i), *held.bits[i]);
    }
    if (held.point) shown_.pointShown((*held.point)[0], (*held.point)[1], (*held.point)[2]);
    if (held.spindle) shown_.spindleShown(*held.spindle);
    if (held.coolant) shown_.coolantShown(*held.coolant);
    if (held.caret) shown_.caretMoved(*held.caret);
    if (held.line) shown_.currentLineMarked(*held.line);
    if (held.executing) shown_.executingLineShown(*held.executing);
}

void BatchedPanel::outputBitChanged(int index, bool value) {
    if (held_) {
        held_->bits[static_cast<std::size_t>(index)] = value;
    } else {
        shown_.outputBitChanged(index, value);
    }
}

void BatchedPanel::pointShown(double x, double y, double z) {
    holdOrShow(&Held::point, std::array{x, y, z}, [&] { shown_.pointShown(x, y, z); });
}

void BatchedPanel::spindleShown(bool on) {
    holdOrShow(&Held::spindle, on, [&] { shown_.spindleShown(on); });
}

void BatchedPanel::coolantShown(bool on) {
    holdOrShow(&Held::coolant, on, [&] { shown_.coolantShown(on); });
}

void BatchedPanel::caretMoved(std::int64_t index) {
    holdOrShow(&Held::caret, index, [&] { shown_.caretMoved(index); });
}

void BatchedPanel::currentLineMarked(std::int64_t line) {
    holdOrShow(&Held::line, line, [&] { shown_.currentLineMarked(line); });
}

void BatchedPanel::executingLineShown(std::int64_t line) {
    holdOrShow(&Held::executing, line, [&] { shown_.executingLineShown(line); });
}

}  // namespace tarvo::interp
