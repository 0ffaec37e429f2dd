#include "app/panels/PaceBox.h"

#include <QAbstractItemView>

#include "app/base/Said.h"
#include "interp/PaceChoices.h"
#include "words/Catalogue.h"

namespace tarvo::app {

namespace {
QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

PaceBox::PaceBox(QWidget* parent) : QComboBox(parent) {
    for (std::size_t i = 0; i < interp::paceChoices.size(); ++i) addItem(QString());
    sayAgain(*this, [this] {
        for (std::size_t i = 0; i < interp::paceChoices.size(); ++i) {
            setItemText(static_cast<int>(i), text(words::say(interp::paceChoices[i].caption)));
        }
        setToolTip(text(words::say(interp::paceTip)));
    });
    // The box stays narrow beside the buttons; the list opens wide enough.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    choose(interp::standardPace);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit paceChosen(pace()); });
}

interp::Pace PaceBox::pace() const {
    const int index = currentIndex();
    return index < 0 ? interp::standardPace
                     : interp::paceChoices[static_cast<std::size_t>(index)].pace;
}

void PaceBox::choose(interp::Pace pace) {
    for (std::size_t i = 0; i < interp::paceChoices.size(); ++i) {
        if (interp::paceChoices[i].pace == pace) setCurrentIndex(static_cast<int>(i));
    }
}

}  // namespace tarvo::app
