#pragma once

#include <QRect>
#include <QSize>
#include <optional>

#include "app/window/Settings.h"

class QMainWindow;
class QWidget;

namespace tarvo::app {

// A window's place, in pixels as QWidget::pos() and size() give it, fitted
// to a screen's available area: no larger than the area once the frame
// (`frame`, the frame's width and height beyond the client area) is added,
// then moved the least it takes for the frame to lie wholly on it.
QRect fittedToScreen(const QRect& wanted, const QRect& available, QSize frame);

// Where the main window stands, kept in the settings store in twips. A
// window that was not moved stores back exactly what it was given, so the
// place does not creep by rounding from one start to the next.
class WindowPlacement {
public:
    // The stored place fitted to the screen it lies most on (the primary
    // screen when it lies on none), so that a size kept from a large monitor
    // opens whole on a small one; with nothing stored, the designed size in
    // the middle of the screen. What the window then keeps is the fitted place.
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
