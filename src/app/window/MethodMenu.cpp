#include "app/window/MethodMenu.h"

#include <QActionGroup>
#include <QMenu>

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

MethodMenu::MethodMenu(Settings& settings, QMenu& teach, QObject* parent)
    : QObject(parent), settings_(settings) {
    QMenu* menu = teach.addMenu(QStringLiteral("插补方法(&M)"));
    using motion::Interpolation;
    machine = checkable(*menu, Interpolation::Machine);
    comparison = checkable(*menu, Interpolation::Comparison);
    integration = checkable(*menu, Interpolation::Integration);
    auto* group = new QActionGroup(this);
    for (QAction* method : {machine, comparison, integration}) group->addAction(method);
    menu->addSeparator();
    halfLoad = checkable(*menu, QStringLiteral("半加载"));

    const motion::MethodChoice stored = settings_.method();
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
