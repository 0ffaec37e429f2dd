#include "app/teaching/TeachingDocks.h"

#include <QAction>
#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <algorithm>

namespace tarvo::app {

TeachingDocks::TeachingDocks(QMainWindow& window, QMenu& menu)
    : QObject(&window), window_(window), menu_(menu) {}

// The item's check comes before the dock shows, and its trigger after.
QDockWidget* TeachingDocks::add(QWidget* panel, const QString& name, const QString& caption,
                                Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(caption, &window_);
    dock->setObjectName(name);
    dock->setWidget(panel);
    window_.addDockWidget(area, dock);
    dock->hide();
    QAction* item = dock->toggleViewAction();
    menu_.addAction(item);
    connect(item, &QAction::toggled, this, [this](bool open) {
        if (open) before_ = window_.size();
    });
    connect(item, &QAction::triggered, this, [this, dock](bool open) {
        if (open) opened(*dock);
    });
    return dock;
}

// The window grew to make room for the panel: the panel floats instead,
// where it was docked but moved up and left onto the screen, and the window
// takes back the size it had. Floating hides and shows the dock again,
// which checks its item anew.
void TeachingDocks::opened(QDockWidget& dock) {
    const QSize before = before_;
    if (window_.size() == before || dock.isFloating()) return;
    dock.setFloating(true);
    const QRect screen = window_.screen()->availableGeometry();
    const QRect place = dock.frameGeometry();
    dock.move(std::max(screen.left(), std::min(place.left(), screen.right() - place.width())),
              std::max(screen.top(), std::min(place.top(), screen.bottom() - place.height())));
    // The window's minimum is worked out anew without the panel before it
    // can shrink back.
    window_.layout()->invalidate();
    window_.layout()->activate();
    window_.resize(before);
}

}  // namespace tarvo::app
