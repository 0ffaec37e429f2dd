#include "app/window/MethodMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "app/window/RegisterBitsDialog.h"
#include "app/window/Settings.h"
#include "teach/StepText.h"

namespace tarvo::app {

namespace {

QAction* checkable(QMenu& menu, const QString& text) {
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    return action;
}

// Named as the interpolation table's caption names the run's method.
QAction* checkable(QMenu& menu, motion::Interpolation method) {
    const std::string_view name = teach::interpolationText(method);
    return checkable(menu, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

MethodMenu::MethodMenu(Settings& settings, QMenu& teach, QWidget* window)
    : QObject(window), settings_(settings), bitsDialog_(new RegisterBitsDialog(window)) {
    QMenu* menu = teach.addMenu(QStringLiteral("插补方法(&M)"));
    using motion::Interpolation;
    machine = checkable(*menu, Interpolation::Machine);
    comparison = checkable(*menu, Interpolation::Comparison);
    integration = checkable(*menu, Interpolation::Integration);
    auto* group = new QActionGroup(this);
    for (QAction* method : {machine, comparison, integration}) group->addAction(method);
    menu->addSeparator();
    halfLoad = checkable(*menu, QStringLiteral("半加载"));
    registerBits = menu->addAction(QString());

    const motion::MethodChoice stored = settings_.method();
    (stored.interpolation == Interpolation::Comparison    ? comparison
     : stored.interpolation == Interpolation::Integration ? integration
                                                          : machine)
        ->setChecked(true);
    halfLoad->setChecked(stored.halfLoad);
    bits_ = stored.bits;
    showBits();
    for (QAction* item : {machine, comparison, integration, halfLoad}) {
        connect(item, &QAction::toggled, this, &MethodMenu::chosen);
    }
    connect(registerBits, &QAction::triggered, this, [this] {
        bitsDialog_->setBits(bits_);
        bitsDialog_->open();
    });
    connect(bitsDialog_, &QDialog::accepted, this, &MethodMenu::bitsChosen);
}

motion::MethodChoice MethodMenu::choice() const {
    using motion::Interpolation;
    const Interpolation method = comparison->isChecked()    ? Interpolation::Comparison
                                 : integration->isChecked() ? Interpolation::Integration
                                                            : Interpolation::Machine;
    return {method, halfLoad->isChecked(), bits_};
}

void MethodMenu::chosen() {
    showBits();
    settings_.saveMethod(choice());
}

void MethodMenu::bitsChosen() {
    bits_ = bitsDialog_->bits();
    chosen();
}

// The menu says the width the next Run takes.
void MethodMenu::showBits() {
    halfLoad->setEnabled(integration->isChecked());
    registerBits->setEnabled(integration->isChecked());
    registerBits->setText(bits_ == 0 ? QStringLiteral("寄存器位数 N：自动...")
                                     : QStringLiteral("寄存器位数 N：%1 位...").arg(bits_));
}

}  // namespace tarvo::app
