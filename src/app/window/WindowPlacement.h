#pragma once

#include <QRect>
#include <optional>

#include "app/window/Settings.h"

class QMainWindow;
class QWidget;

namespace tarvo::app {

// Where the main window stands, kept in the settings store in twips. A
// window that was not moved stores back exactly what it was given, so the
// place does not creep by rounding from one start to the next.
class WindowPlacement {
public:
    // The stored place, moved onto a screen when it lies off every screen;
    // with nothing stored, the designed size in the middle of the screen.
    void restore(QWidget& window, const Settings& settings);
    void save(const QWidget& window, Settings& settings) const;

    // Which docks are open and where: the area, the tabs, floating and at
    // what place. A stored layout that is absent, of another version or
    // cannot be read leaves the docks as the window built them; a floating
    // dock that would lie off every screen docks again.
    static void restoreLayout(QMainWindow& window, const Settings& settings);
    static void saveLayout(const QMainWindow& window, Settings& settings);

private:
    std::optional<Placement> restored_;
    QRect restoredGeometry_;
};

}  // namespace tarvo::app
