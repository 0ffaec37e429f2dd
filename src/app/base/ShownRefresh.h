#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace tarvo::app {

// Calls `refresh` as a widget shows and then every `milliseconds` while it
// stays shown: a panel looks at the machine's records at frame rate, never
// on every tick, and not at all while hidden.
class ShownRefresh : public QObject {
    Q_OBJECT

public:
    ShownRefresh(QWidget& widget, int milliseconds, std::function<void()> refresh);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer timer_;
    std::function<void()> refresh_;
};

}  // namespace tarvo::app
