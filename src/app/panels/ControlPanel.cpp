#include "app/panels/ControlPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/base/Twips.h"
#include "app/panels/PaceBox.h"

namespace tarvo::app {

ControlPanel::ControlPanel(QWidget* parent) : QGroupBox(QStringLiteral("控制面板"), parent) {
    auto* grid = new QGridLayout(this);
    const int side = twipsToPixels(this, 975);
    const auto button = [&](const QString& caption, int row, int column) {
        auto* b = new QPushButton(caption, this);
        b->setFixedSize(side, side);
        grid->addWidget(b, row, column, Qt::AlignCenter);
        return b;
    };
    run_ = button(QStringLiteral("运行.."), 0, 0);
    pause_ = button(QStringLiteral("暂停..."), 0, 2);
    settings_ = button(QStringLiteral("参数设置"), 1, 1);
    clear_ = button(QStringLiteral("清屏.."), 2, 0);
    stop_ = button(QStringLiteral("停止.."), 2, 2);
    pace_ = new PaceBox(this);
    auto* pace = new QHBoxLayout;
    pace->addWidget(new QLabel(QStringLiteral("速度："), this));
    pace->addWidget(pace_, 1);
    grid->addLayout(pace, 3, 0, 1, 3);
}

}  // namespace tarvo::app
