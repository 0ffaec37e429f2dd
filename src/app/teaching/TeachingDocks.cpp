#include "app/teaching/TeachingDocks.h"

#include <QAction>
#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "app/base/Said.h"

namespace tarvo::app {

namespace {

bool isSide(Qt::DockWidgetArea area) {
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

// The window's layout worked out anew, with or without a panel just shown or hidden.
void relayout(QMainWindow& window) {
    window.layout()->invalidate();
    window.layout()->activate();
}

}  // namespace

TeachingDocks::TeachingDocks(QMainWindow& window, QMenu& menu)
    : QObject(&window), window_(window), menu_(menu) {}

// The item's check comes before the dock shows, and its trigger after.
// The menu item says the dock's caption, in the language of the moment.
QDockWidget* TeachingDocks::add(QWidget* panel, const QString& name, const char* caption,
                                Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(&window_);
    sayOn(window_, dock, &QDockWidget::setWindowTitle, caption);
    dock->setObjectName(name);
    dock->setWidget(panel);
    window_.addDockWidget(area, dock);
    dock->hide();
    QAction* item = dock->toggleViewAction();
    menu_.addAction(item);
    connect(item, &QAction::toggled, this, [this, dock](bool open) {
        if (open) {
            before_ = window_.size();
        } else {
            closed(*dock);
        }
    });
    connect(item, &QAction::triggered, this, [this, dock](bool open) {
        if (open) opened(*dock);
    });
    // Once the window has laid the panel out in its place. A layout being
    // restored before the window shows is left as it was kept.
    connect(dock, &QDockWidget::topLevelChanged, this, [this, dock](bool floating) {
        if (floating || !window_.isVisible()) return;
        QTimer::singleShot(0, dock, [this, dock] { dockedAgain(*dock); });
    });
    return dock;
}

// A panel floated gave its room back; docked again, it takes room as when
// opened from the menu, and gets what it asks for instead of what the
// window had left.
void TeachingDocks::dockedAgain(QDockWidget& dock) {
    if (!dock.isVisible() || dock.isFloating()) return;
    before_ = window_.size();
    opened(dock);
    if (dock.isFloating()) return;
    const bool side = isSide(window_.dockWidgetArea(&dock));
    const QSize asked = dock.sizeHint();
    window_.resizeDocks({&dock}, {side ? asked.width() : asked.height()},
                        side ? Qt::Horizontal : Qt::Vertical);
}

// The largest the window may be: the screen's free area less the window's frame.
QSize TeachingDocks::screenRoom() const {
    const QSize frame = window_.frameGeometry().size() - window_.size();
    return window_.screen()->availableGeometry().size() - frame;
}

bool TeachingDocks::sideTaken(QDockWidget& dock) const {
    const Qt::DockWidgetArea area = window_.dockWidgetArea(&dock);
    for (QDockWidget* other : window_.findChildren<QDockWidget*>()) {
        if (other != &dock && other->isVisible() && !other->isFloating() &&
            window_.dockWidgetArea(other) == area) {
            return true;
        }
    }
    return false;
}

void TeachingDocks::opened(QDockWidget& dock) {
    const QSize before = before_;
    if (dock.isFloating()) return;
    relayout(window_);
    const QSize least = window_.minimumSizeHint();
    const QSize room = screenRoom();
    if (least.width() > room.width() || least.height() > room.height()) {
        floatOnScreen(dock);
        window_.resize(before);
        return;
    }
    const bool side = isSide(window_.dockWidgetArea(&dock));
    const QSize asked = dock.sizeHint();
    QSize wanted = before;
    if (!sideTaken(dock) && !window_.isMaximized() && !window_.isFullScreen()) {
        (side ? wanted.rwidth() : wanted.rheight()) += side ? asked.width() : asked.height();
    }
    const QSize size = wanted.boundedTo(room).expandedTo(least);
    window_.resize(size);
    grown_[&dock] = size - before;
    keepOnScreen();
}

// Only what the window grew for the panel goes: a window the user has made
// smaller since keeps at least its least size.
void TeachingDocks::closed(QDockWidget& dock) {
    const auto grown = grown_.find(&dock);
    if (grown == grown_.end()) return;
    const QSize by = grown->second;
    grown_.erase(grown);
    if (!window_.isVisible() || window_.isMaximized() || window_.isFullScreen()) return;
    relayout(window_);
    window_.resize((window_.size() - by).expandedTo(window_.minimumSizeHint()));
}

// The window's frame moved up and left onto the screen, where it grew past it.
void TeachingDocks::keepOnScreen() {
    const QRect screen = window_.screen()->availableGeometry();
    const QSize frame = window_.size() + window_.frameGeometry().size() - window_.geometry().size();
    const QPoint at = window_.pos();
    window_.move(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())),
                 std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
}

// The panel floats where it was docked, moved up and left onto the screen.
// Floating hides and shows the dock again, which checks its item anew.
void TeachingDocks::floatOnScreen(QDockWidget& dock) {
    dock.setFloating(true);
    const QRect screen = window_.screen()->availableGeometry();
    const QRect place = dock.frameGeometry();
    dock.move(std::max(screen.left(), std::min(place.left(), screen.right() - place.width())),
              std::max(screen.top(), std::min(place.top(), screen.bottom() - place.height())));
    // The window's minimum is worked out anew without the panel before it
    // can shrink back.
    relayout(window_);
}

}  // namespace tarvo::app
