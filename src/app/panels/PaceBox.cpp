#include "app/panels/PaceBox.h"

#include <QAbstractItemView>
#include <array>

namespace tarvo::app {

namespace {

struct Entry {
    const char* caption;
    interp::Pace pace;
};

// A step takes two ticks (the step and the reset of its pulses), so 500 ms a
// tick is one step a second.
const std::array<Entry, 7> entries{{
    {"500 毫秒/节拍（每秒一步）", {1, 500}},
    {"100 毫秒/节拍", {1, 100}},
    {"10 毫秒/节拍", {1, 10}},
    {"1 毫秒/节拍（标准）", interp::standardPace},
    {"×10（每毫秒 10 节拍）", {10, 1}},
    {"×100（每毫秒 100 节拍）", {100, 1}},
    {"最快", {0, 1}},
}};

}  // namespace

PaceBox::PaceBox(QWidget* parent) : QComboBox(parent) {
    for (const Entry& e : entries) addItem(QString::fromUtf8(e.caption));
    setToolTip(QStringLiteral("运行速度：一个节拍是定时器的一次中断，一步插补占两个节拍"));
    // The box stays narrow beside the buttons; the list opens wide enough.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    choose(interp::standardPace);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit paceChosen(pace()); });
}

interp::Pace PaceBox::pace() const {
    const int index = currentIndex();
    return index < 0 ? interp::standardPace : entries[static_cast<std::size_t>(index)].pace;
}

void PaceBox::choose(interp::Pace pace) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].pace == pace) setCurrentIndex(static_cast<int>(i));
    }
}

}  // namespace tarvo::app
