#pragma once

#include <QString>
#include <Qt>

class QDockWidget;
class QMainWindow;
class QMenu;
class QWidget;

namespace tarvo::app {

// Puts a teaching panel into a dock of the window, hidden until its item in
// the teaching menu is checked; the item shows and hides it from then on.
// `name` is the dock's object name, `caption` its title and menu item.
QDockWidget* addTeachingDock(QMainWindow& window, QMenu& menu, QWidget* panel, const QString& name,
                             const QString& caption, Qt::DockWidgetArea area);

}  // namespace tarvo::app
