#pragma once

#include <QGroupBox>
#include <array>

class QLineEdit;

namespace tarvo::app {

// "坐标值": the work-piece origin and the moving point, in millimetres.
class CoordinatePanel : public QGroupBox {
    Q_OBJECT

public:
    explicit CoordinatePanel(QWidget* parent = nullptr);

    void showOrigin(double x, double y, double z);
    void showPoint(double x, double y, double z);
    // The moving point's read-outs as texts, to be shown again later.
    std::array<QString, 3> pointTexts() const;
    void showPointTexts(const std::array<QString, 3>& texts);

    const QLineEdit& xjText() const { return *origin_[0]; }
    const QLineEdit& yjText() const { return *origin_[1]; }
    const QLineEdit& zjText() const { return *origin_[2]; }
    const QLineEdit& xcText() const { return *point_[0]; }
    const QLineEdit& ycText() const { return *point_[1]; }
    const QLineEdit& zcText() const { return *point_[2]; }

private:
    QLineEdit* origin_[3];
    QLineEdit* point_[3];
};

}  // namespace tarvo::app
