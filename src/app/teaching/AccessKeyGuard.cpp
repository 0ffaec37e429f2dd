#include "app/teaching/AccessKeyGuard.h"

#include <QKeyEvent>

namespace tarvo::app {

bool AccessKeyGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers();
        if (held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
            !key->text().isEmpty()) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvo::app
