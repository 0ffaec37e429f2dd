#include "app/window/RegisterBitsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "motion/RegisterWidth.h"

namespace tarvo::app {

RegisterBitsDialog::RegisterBitsDialog(QWidget* parent) : QDialog(parent), box_(new QSpinBox) {
    setWindowTitle(QStringLiteral("寄存器位数 N"));
    box_->setRange(0, motion::widestRegister);
    box_->setSpecialValueText(QStringLiteral("自动"));
    box_->setSuffix(QStringLiteral(" 位"));
    auto* note =
        new QLabel(QStringLiteral("数字积分法的寄存器容量为 2^N。\n"
                                  "自动：每段取 2^N 大于最大增量或半径的最小 N。\n"
                                  "指定的 N 小于某段所需时，该段仍取它所需的最小 N。"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("寄存器位数 N："), box_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int RegisterBitsDialog::bits() const {
    return box_->value();
}

void RegisterBitsDialog::setBits(int bits) {
    box_->setValue(bits);
}

}  // namespace tarvo::app
