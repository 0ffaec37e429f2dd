#pragma once

#include <QDialog>

class QSpinBox;

namespace tarvo::app {

// 寄存器位数 N: the width of the textbook DDA's registers, 自动 (0) or 1 … 32
// bits, chosen in a spin box. It opens window-modal without blocking
// (open()); accepted() says the box holds the width to take.
class RegisterBitsDialog : public QDialog {
    Q_OBJECT

public:
    explicit RegisterBitsDialog(QWidget* parent);

    int bits() const;  // 0 for automatic
    void setBits(int bits);
    QSpinBox& box() { return *box_; }

private:
    QSpinBox* box_;
};

}  // namespace tarvo::app
