#pragma once

#include <QObject>
#include <QSize>
#include <Qt>

class QDockWidget;
class QMainWindow;
class QMenu;
class QWidget;

namespace tarvo::app {

// The docks of the teaching panels. Each is hidden until its item in the
// teaching menu is checked; the item shows and hides it from then on. A
// panel opened from the menu never makes the window grow: where it is
// docked there must be room for it in the window as it is, or it floats
// instead, so the window keeps fitting the screen it was given and closing
// the panel leaves the window as it was.
class TeachingDocks : public QObject {
public:
    TeachingDocks(QMainWindow& window, QMenu& menu);

    // Docks `panel` in `area`; `name` is the dock's object name, kept in the
    // window's saved layout, `caption` its title and menu item.
    QDockWidget* add(QWidget* panel, const QString& name, const QString& caption,
                     Qt::DockWidgetArea area);

private:
    void opened(QDockWidget& dock);

    QMainWindow& window_;
    QMenu& menu_;
    QSize before_;  // the window's size when a panel was last checked in the menu
};

}  // namespace tarvo::app
