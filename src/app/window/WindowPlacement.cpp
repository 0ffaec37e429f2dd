#include "app/window/WindowPlacement.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>

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

// The available area of the screen a place lies most on; the primary
// screen's when it lies on none.
QRect available(const QRect& place) {
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 most = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(place);
        const qint64 area = qint64{shared.width()} * shared.height();
        if (area > most) {
            most = area;
            best = screen;
        }
    }
    return best ? best->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Where a span of `length` starting at `at` lies within [low, low + room):
// moved the least, to the low end when it cannot lie within.
int fittedStart(int at, int length, int low, int room) {
    return std::max(low, std::min(at, low + room - length));
}

}  // namespace

QRect fittedToScreen(const QRect& wanted, const QRect& available, QSize frame) {
    const QSize size = wanted.size().boundedTo(available.size() - frame);
    return {
        fittedStart(wanted.x(), size.width() + frame.width(), available.x(), available.width()),
        fittedStart(wanted.y(), size.height() + frame.height(), available.y(), available.height()),
        size.width(), size.height()};
}

// The frame is known only once a window is shown; before, it counts as none.
void WindowPlacement::restore(QWidget& window, const Settings& settings) {
    const QSize frame = window.frameGeometry().size() - window.size();
    restored_ = settings.placement();
    QRect wanted;
    if (restored_) {
        wanted = QRect(
            twipsToPixels(&window, restored_->left), twipsToPixels(&window, restored_->top),
            twipsToPixels(&window, restored_->width), twipsToPixels(&window, restored_->height));
    } else {
        const QSize size(twipsToPixels(&window, designedWidth),
                         twipsToPixels(&window, designedHeight));
        wanted.setSize(size.expandedTo(window.sizeHint()));
        wanted.moveCenter(available(wanted).center());
    }
    const QRect fitted = fittedToScreen(wanted, available(wanted), frame);
    window.resize(fitted.size());
    window.move(fitted.topLeft());
    restoredGeometry_ = QRect(window.pos(), window.size());
    // A place that had to be fitted is kept as fitted, not as it was stored.
    if (restoredGeometry_ != wanted) restored_.reset();
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
