#include "app/panels/OutputPanel.h"

#include <QGridLayout>
#include <QLabel>

#include "app/panels/ReadoutBox.h"
#include "interp/Messages.h"

namespace tarvo::app {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString switchText(bool on) {
    return text(on ? interp::messages::on : interp::messages::off);
}

}  // namespace

OutputPanel::OutputPanel(QWidget* parent) : QGroupBox(QStringLiteral("并行口输出状态"), parent) {
    auto* grid = new QGridLayout(this);
    const char* idle = "10101000";
    for (int i = 0; i < 8; ++i)
        outdata_[static_cast<std::size_t>(i)] = readoutBox(QString(idle[i]), 32, this);
    zhukg_ = readoutBox(switchText(false), 40, this);
    lengkg_ = readoutBox(switchText(false), 40, this);

    grid->addWidget(new QLabel(QStringLiteral("主轴状态："), this), 0, 0);
    grid->addWidget(zhukg_, 0, 1);
    grid->addWidget(outdata_[6], 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("冷却液状态："), this), 1, 0);
    grid->addWidget(lengkg_, 1, 1);
    grid->addWidget(outdata_[7], 1, 3);
    const char* axes[] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis) {
        const int row = 2 + axis;
        grid->addWidget(new QLabel(QStringLiteral("%1轴脉冲").arg(axes[axis]), this), row, 0);
        grid->addWidget(outdata_[static_cast<std::size_t>(2 * axis)], row, 1);
        grid->addWidget(new QLabel(QStringLiteral("%1轴方向").arg(axes[axis]), this), row, 2);
        grid->addWidget(outdata_[static_cast<std::size_t>(2 * axis + 1)], row, 3);
    }
    grid->addWidget(new QLabel(QStringLiteral("  0-正    1-负"), this), 5, 0, 1, 4);
}

void OutputPanel::showBit(int index, bool value) {
    outdata_[static_cast<std::size_t>(index)]->setText(value ? QStringLiteral("1")
                                                             : QStringLiteral("0"));
}

void OutputPanel::showSpindle(bool on) {
    zhukg_->setText(switchText(on));
}

void OutputPanel::showCoolant(bool on) {
    lengkg_->setText(switchText(on));
}

}  // namespace tarvo::app
