#include "app/window/RegisterBitsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/base/Said.h"
#include "motion/RegisterWidth.h"

namespace tarvo::app {

RegisterBitsDialog::RegisterBitsDialog(QWidget* parent) : QDialog(parent), box_(new QSpinBox) {
    box_->setRange(0, motion::widestRegister);
    auto* note = new QLabel;
    auto* caption = new QLabel;
    auto* form = new QFormLayout;
    form->addRow(caption, box_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    sayAgain(*this, [this, note, caption, buttons] {
        setWindowTitle(Said::tr("寄存器位数 N"));
        box_->setSpecialValueText(Said::tr("自动"));
        box_->setSuffix(Said::tr(" 位"));
        note->setText(
            Said::tr("数字积分法的寄存器容量为 2^N。\n"
                     "自动：每段取 2^N 大于最大增量或半径的最小 N。\n"
                     "指定的 N 小于某段所需时，该段仍取它所需的最小 N。"));
        caption->setText(Said::tr("寄存器位数 N："));
        buttons->button(QDialogButtonBox::Ok)->setText(Said::tr("确定"));
        buttons->button(QDialogButtonBox::Cancel)->setText(Said::tr("取消"));
    });
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
