#include "app/teaching/TeachingDock.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>

namespace tarvo::app {

QDockWidget* addTeachingDock(QMainWindow& window, QMenu& menu, QWidget* panel, const QString& name,
                             const QString& caption, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(caption, &window);
    dock->setObjectName(name);
    dock->setWidget(panel);
    window.addDockWidget(area, dock);
    dock->hide();
    menu.addAction(dock->toggleViewAction());
    return dock;
}

}  // namespace tarvo::app
