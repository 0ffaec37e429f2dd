#include "app/panels/OutputPanel.h"

#include <QGridLayout>
#include <QLabel>

#include "app/base/Said.h"
#include "app/panels/ReadoutBox.h"
#include "interp/Messages.h"
#include "words/Catalogue.h"

namespace tarvo::app {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QString switchText(bool on) {
    return text(words::say(on ? interp::messages::on : interp::messages::off));
}

}  // namespace

OutputPanel::OutputPanel(QWidget* parent) : QGroupBox(parent) {
    sayOn(*this, this, &QGroupBox::setTitle, QT_TRANSLATE_NOOP("Said", "并行口输出状态"));
    auto* grid = new QGridLayout(this);
    const char* idle = "10101000";
    for (int i = 0; i < 8; ++i)
        outdata_[static_cast<std::size_t>(i)] = readoutBox(QString(idle[i]), 32, this);
    zhukg_ = readoutBox(QString(), 40, this);
    lengkg_ = readoutBox(QString(), 40, this);
    sayAgain(*this, [this] {
        showSpindle(spindle_);
        showCoolant(coolant_);
    });

    grid->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "主轴状态：")), 0, 0);
    grid->addWidget(zhukg_, 0, 1);
    grid->addWidget(outdata_[6], 0, 3);
    grid->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "冷却液状态：")), 1, 0);
    grid->addWidget(lengkg_, 1, 1);
    grid->addWidget(outdata_[7], 1, 3);
    const char* axes[] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis) {
        const int row = 2 + axis;
        auto* pulse = new QLabel(this);
        auto* direction = new QLabel(this);
        sayAgain(*this, [pulse, direction, name = QLatin1String(axes[axis])] {
            pulse->setText(Said::tr("%1轴脉冲").arg(name));
            direction->setText(Said::tr("%1轴方向").arg(name));
        });
        grid->addWidget(pulse, row, 0);
        grid->addWidget(outdata_[static_cast<std::size_t>(2 * axis)], row, 1);
        grid->addWidget(direction, row, 2);
        grid->addWidget(outdata_[static_cast<std::size_t>(2 * axis + 1)], row, 3);
    }
    grid->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "  0-正    1-负")), 5, 0, 1, 4);
}

void OutputPanel::showBit(int index, bool value) {
    outdata_[static_cast<std::size_t>(index)]->setText(value ? QStringLiteral("1")
                                                             : QStringLiteral("0"));
}

void OutputPanel::showSpindle(bool on) {
    spindle_ = on;
    zhukg_->setText(switchText(on));
}

void OutputPanel::showCoolant(bool on) {
    coolant_ = on;
    lengkg_->setText(switchText(on));
}

}  // namespace tarvo::app
