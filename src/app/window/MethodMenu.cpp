#include "app/window/MethodMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "app/base/Said.h"
#include "app/window/RegisterBitsDialog.h"
#include "app/window/Settings.h"
#include "motion/Methods.h"
#include "words/Catalogue.h"

namespace tarvo::app {

namespace {

QAction* checkable(QMenu& menu) {
    QAction* action = menu.addAction(QString());
    action->setCheckable(true);
    return action;
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MethodMenu::MethodMenu(Settings& settings, QMenu& teach, QWidget* window)
    : QObject(window), settings_(settings), bitsDialog_(new RegisterBitsDialog(window)) {
    QMenu* menu = teach.addMenu(QString());
    sayOn(*window, menu, &QMenu::setTitle, QT_TRANSLATE_NOOP("Said", "插补方法(&M)"));
    auto* group = new QActionGroup(this);
    for (const motion::MethodEntry& entry : motion::methods()) {
        QAction* item = checkable(*menu);
        sayAgain(*window,
                 [item, caption = entry.caption] { item->setText(utf8(words::say(caption))); });
        group->addAction(item);
        methods_.emplace_back(entry.interpolation, item);
    }
    using motion::Interpolation;
    machine = method(Interpolation::Machine);
    comparison = method(Interpolation::Comparison);
    integration = method(Interpolation::Integration);
    menu->addSeparator();
    halfLoad = checkable(*menu);
    sayOn(*window, halfLoad, &QAction::setText, QT_TRANSLATE_NOOP("Said", "半加载"));
    registerBits = menu->addAction(QString());

    const motion::MethodChoice stored = settings_.method();
    method(stored.interpolation)->setChecked(true);
    halfLoad->setChecked(stored.halfLoad);
    bits_ = stored.bits;
    sayAgain(*window, [this] { showBits(); });
    for (const auto& [interpolation, item] : methods_) {
        connect(item, &QAction::toggled, this, &MethodMenu::chosen);
    }
    connect(halfLoad, &QAction::toggled, this, &MethodMenu::chosen);
    connect(registerBits, &QAction::triggered, this, [this] {
        bitsDialog_->setBits(bits_);
        bitsDialog_->open();
    });
    connect(bitsDialog_, &QDialog::accepted, this, &MethodMenu::bitsChosen);
}

QAction* MethodMenu::method(motion::Interpolation interpolation) const {
    for (const auto& [shown, item] : methods_) {
        if (shown == interpolation) return item;
    }
    return nullptr;
}

motion::MethodChoice MethodMenu::choice() const {
    motion::Interpolation checked = motion::Interpolation::Machine;
    for (const auto& [interpolation, item] : methods_) {
        if (item->isChecked()) checked = interpolation;
    }
    return {checked, halfLoad->isChecked(), bits_};
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
    registerBits->setText(bits_ == 0 ? Said::tr("寄存器位数 N：自动...")
                                     : Said::tr("寄存器位数 N：%1 位...").arg(bits_));
}

}  // namespace tarvo::app
