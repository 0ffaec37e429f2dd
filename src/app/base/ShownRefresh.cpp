#include "app/base/ShownRefresh.h"

#include <QEvent>
#include <QWidget>

namespace tarvo::app {

ShownRefresh::ShownRefresh(QWidget& widget, int milliseconds, std::function<void()> refresh)
    : QObject(&widget), refresh_(std::move(refresh)) {
    timer_.setInterval(milliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh_(); });
    widget.installEventFilter(this);
}

bool ShownRefresh::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        refresh_();
        timer_.start();
    } else if (event->type() == QEvent::Hide) {
        timer_.stop();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvo::app
