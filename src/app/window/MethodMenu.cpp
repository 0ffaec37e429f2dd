#include "app/window/MethodMenu.h"

#include <QActionGroup>
#include <QMenu>

#include "app/window/Settings.h"

namespace tarvo::app {

namespace {

QAction* checkable(QMenu& menu, const QString& text) {
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    return action;
}

}  // namespace

MethodMenu::MethodMenu(Settings& settings, QMenu& teach, QObject* parent)
    : QObject(parent), settings_(settings) {
    QMenu* menu = teach.addMenu(QStringLiteral("插补方法(&M)"));
    machine = checkable(*menu, QStringLiteral("机床（直线数字积分，圆弧逐点比较）"));
    comparison = checkable(*menu, QStringLiteral("逐点比较法"));
    integration = checkable(*menu, QStringLiteral("数字积分法"));
    auto* group = new QActionGroup(this);
    for (QAction* method : {machine, comparison, integration}) group->addAction(method);
    menu->addSeparator();
    halfLoad = checkable(*menu, QStringLiteral("半加载"));

    const motion::MethodChoice stored = settings_.method();
    using motion::Interpolation;
    (stored.interpolation == Interpolation::Comparison    ? comparison
     : stored.interpolation == Interpolation::Integration ? integration
                                                          : machine)
        ->setChecked(true);
    halfLoad->setChecked(stored.halfLoad);
    halfLoad->setEnabled(integration->isChecked());
    for (QAction* item : {machine, comparison, integration, halfLoad}) {
        connect(item, &QAction::toggled, this, &MethodMenu::chosen);
    }
}

motion::MethodChoice MethodMenu::choice() const {
    using motion::Interpolation;
    const Interpolation method = comparison->isChecked()    ? Interpolation::Comparison
                                 : integration->isChecked() ? Interpolation::Integration
                                                            : Interpolation::Machine;
    return {method, halfLoad->isChecked()};
}

void MethodMenu::chosen() {
    halfLoad->setEnabled(integration->isChecked());
    settings_.saveMethod(choice());
}

}  // namespace tarvo::app
