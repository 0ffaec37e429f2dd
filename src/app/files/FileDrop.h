#pragma once

#include <QObject>
#include <functional>

namespace tarvo::app {

// Lets files dropped on a widget open as programs. Other drops (text dragged
// inside the editor, say) go on to the widget as before.
class FileDrop : public QObject {
    Q_OBJECT

public:
    FileDrop(QWidget& target, std::function<void(const QString& path)> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> open_;
};

}  // namespace tarvo::app
