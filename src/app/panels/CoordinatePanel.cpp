#include "app/panels/CoordinatePanel.h"

#include <QGridLayout>
#include <QLabel>

#include "app/base/Said.h"
#include "app/panels/ReadoutBox.h"
#include "motion/exact/NumberText.h"

namespace tarvo::app {

namespace {

void showValues(QLineEdit* const (&boxes)[3], double x, double y, double z) {
    const double values[] = {x, y, z};
    for (int i = 0; i < 3; ++i)
        boxes[i]->setText(QString::fromStdString(motion::numberText(values[i])));
}

}  // namespace

CoordinatePanel::CoordinatePanel(QWidget* parent) : QGroupBox(parent) {
    sayOn(*this, this, &QGroupBox::setTitle, QT_TRANSLATE_NOOP("Said", "坐标值"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "工件原点")), 0, 0, 1, 2,
                    Qt::AlignCenter);
    grid->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "动点绝对坐标")), 0, 2, 1, 2,
                    Qt::AlignCenter);
    const char* axes[] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        origin_[i] = readoutBox(QStringLiteral("0.0"), 72, this);
        point_[i] = readoutBox(QStringLiteral("0.0"), 72, this);
        auto* originLabel = new QLabel(this);
        auto* pointLabel = new QLabel(this);
        sayAgain(*this, [originLabel, pointLabel, axis = axes[i]] {
            originLabel->setText(Said::tr("%1C：").arg(QLatin1String(axis)));
            pointLabel->setText(Said::tr("%1：").arg(QLatin1String(axis)));
        });
        grid->addWidget(originLabel, i + 1, 0);
        grid->addWidget(origin_[i], i + 1, 1);
        grid->addWidget(pointLabel, i + 1, 2);
        grid->addWidget(point_[i], i + 1, 3);
    }
}

void CoordinatePanel::showOrigin(double x, double y, double z) {
    showValues(origin_, x, y, z);
}

void CoordinatePanel::showPoint(double x, double y, double z) {
    showValues(point_, x, y, z);
}

std::array<QString, 3> CoordinatePanel::pointTexts() const {
    return {point_[0]->text(), point_[1]->text(), point_[2]->text()};
}

void CoordinatePanel::showPointTexts(const std::array<QString, 3>& texts) {
    for (int i = 0; i < 3; ++i) point_[i]->setText(texts[static_cast<std::size_t>(i)]);
}

}  // namespace tarvo::app
