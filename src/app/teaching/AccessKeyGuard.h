#pragma once

#include <QObject>

namespace tarvo::app {

// Keeps Alt and a letter out of the text fields it watches. A button's access
// key acts through the window's shortcuts before a field sees the key; when
// no shortcut takes it (its button hidden on another page, or disabled), a
// line edit would type the letter instead, so a student pressing Alt+S on the
// wrong page found an "s" in the answer. Alt with Ctrl (AltGr on some
// keyboards) still types.
class AccessKeyGuard : public QObject {
public:
    using QObject::QObject;

    // Watches `field` for as long as both live.
    void watch(QObject* field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tarvo::app
