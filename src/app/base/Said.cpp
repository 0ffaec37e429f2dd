#include "app/base/Said.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <utility>

namespace tarvo::app {

namespace {

// A widget passes LanguageChange on to all its children, widgets or not, so
// a plain child object hears every switch its widget hears.
class Teller : public QObject {
public:
    Teller(QWidget& owner, std::function<void()> say) : QObject(&owner), say_(std::move(say)) {
        say_();
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) say_();
        return QObject::event(event);
    }

private:
    std::function<void()> say_;
};

}  // namespace

void sayAgain(QWidget& owner, std::function<void()> say) {
    new Teller(owner, std::move(say));
}

QLabel* saidLabel(QWidget& parent, const char* source) {
    auto* label = new QLabel(&parent);
    sayOn(parent, label, &QLabel::setText, source);
    return label;
}

}  // namespace tarvo::app
