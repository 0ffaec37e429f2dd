#include "app/window/WindowPlacement.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include "app/base/Twips.h"

namespace tarvo::app {

namespace {

// The designed client area of the main window.
constexpr double designedWidth = 15000, designedHeight = 9360;
// Goes up when the docks change so much that an older layout would misplace them.
constexpr int layoutVersion = 2;

bool onSomeScreen(const QRect& geometry) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(geometry);
        if (shared.width() >= 100 && shared.height() >= 50) return true;
    }
    return false;
}

QRect available() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

void WindowPlacement::restore(QWidget& window, const Settings& settings) {
    restored_ = settings.placement();
    if (!restored_) {
        const QSize size(twipsToPixels(&window, designedWidth),
                         twipsToPixels(&window, designedHeight));
        window.resize(size.expandedTo(window.sizeHint()));
        const QRect screen = available();
        window.move(screen.center() - QPoint(window.width() / 2, window.height() / 2));
        return;
    }
    const QRect wanted(
        twipsToPixels(&window, restored_->left), twipsToPixels(&window, restored_->top),
        twipsToPixels(&window, restored_->width), twipsToPixels(&window, restored_->height));
    window.resize(wanted.size());
    window.move(onSomeScreen(wanted) ? wanted.topLeft() : available().topLeft());
    restoredGeometry_ = QRect(window.pos(), window.size());
}

void WindowPlacement::save(const QWidget& window, Settings& settings) const {
    const QRect now(window.pos(), window.size());
    if (restored_ && now == restoredGeometry_) {
        settings.savePlacement(*restored_);
        return;
    }
    settings.savePlacement({static_cast<float>(pixelsToTwips(&window, now.x())),
                            static_cast<float>(pixelsToTwips(&window, now.y())),
                            static_cast<float>(pixelsToTwips(&window, now.width())),
                            static_cast<float>(pixelsToTwips(&window, now.height()))});
}

void WindowPlacement::restoreLayout(QMainWindow& window, const Settings& settings) {
    if (!window.restoreState(settings.windowLayout(), layoutVersion)) return;
    for (QDockWidget* dock : window.findChildren<QDockWidget*>()) {
        if (dock->isFloating() && !onSomeScreen(dock->geometry())) dock->setFloating(false);
    }
}

void WindowPlacement::saveLayout(const QMainWindow& window, Settings& settings) {
    settings.saveWindowLayout(window.saveState(layoutVersion));
}

}  // namespace tarvo::app
