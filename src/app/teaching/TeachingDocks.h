#pragma once

#include <QObject>
#include <QSize>
#include <Qt>
#include <map>

class QDockWidget;
class QMainWindow;
class QMenu;
class QWidget;

namespace tarvo::app {

// The docks of the teaching panels. Each is hidden until its item in the
// teaching menu is checked; the item shows and hides it from then on. A
// panel opened from the menu into a side of the window where no other panel
// stands makes the window grow by the room the panel asks for, but never
// beyond the screen it is on, moving up and left where it must to stay on
// it; the panel then gets that room. Where the window cannot hold the panel
// even at the screen's size, the panel floats instead. Closing a panel gives
// its room back: the window shrinks by what it grew for it. A panel docked
// again after floating gets the room it asks for.
class TeachingDocks : public QObject {
public:
    TeachingDocks(QMainWindow& window, QMenu& menu);

    // Docks `panel` in `area`; `name` is the dock's object name, kept in the
    // window's saved layout, `caption` its title and menu item (a source
    // text of Said, said again at each switch of language).
    QDockWidget* add(QWidget* panel, const QString& name, const char* caption,
                     Qt::DockWidgetArea area);

private:
    void opened(QDockWidget& dock);
    void closed(QDockWidget& dock);
    void dockedAgain(QDockWidget& dock);
    void floatOnScreen(QDockWidget& dock);
    bool sideTaken(QDockWidget& dock) const;
    QSize screenRoom() const;
    void keepOnScreen();

    QMainWindow& window_;
    QMenu& menu_;
    QSize before_;  // the window's size when a panel was last checked in the menu
    std::map<const QDockWidget*, QSize> grown_;  // what the window grew by for each open panel
};

}  // namespace tarvo::app
