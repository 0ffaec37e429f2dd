#include "app/panels/ControlPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/base/Said.h"
#include "app/base/Twips.h"
#include "app/panels/PaceBox.h"

namespace tarvo::app {

ControlPanel::ControlPanel(QWidget* parent) : QGroupBox(parent) {
    sayOn(*this, this, &QGroupBox::setTitle, QT_TRANSLATE_NOOP("Said", "控制面板"));
    auto* grid = new QGridLayout(this);
    const int side = twipsToPixels(this, 975);
    const auto button = [&](const char* caption, int row, int column) {
        auto* b = new QPushButton(this);
        sayOn(*this, b, &QPushButton::setText, caption);
        b->setFixedSize(side, side);
        grid->addWidget(b, row, column, Qt::AlignCenter);
        return b;
    };
    run_ = button(QT_TRANSLATE_NOOP("Said", "运行.."), 0, 0);
    pause_ = button(QT_TRANSLATE_NOOP("Said", "暂停..."), 0, 2);
    settings_ = button(QT_TRANSLATE_NOOP("Said", "参数设置"), 1, 1);
    clear_ = button(QT_TRANSLATE_NOOP("Said", "清屏.."), 2, 0);
    stop_ = button(QT_TRANSLATE_NOOP("Said", "停止.."), 2, 2);
    pace_ = new PaceBox(this);
    auto* pace = new QHBoxLayout;
    pace->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "速度：")));
    pace->addWidget(pace_, 1);
    grid->addLayout(pace, 3, 0, 1, 3);
}

}  // namespace tarvo::app
