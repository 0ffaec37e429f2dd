#pragma once

#include <QComboBox>

#include "interp/Pace.h"

namespace tarvo::app {

// The speed of the run, from one interpolation step a second up to as fast
// as the machine goes; the timers' own 1 ms per tick is the default.
class PaceBox : public QComboBox {
    Q_OBJECT

public:
    explicit PaceBox(QWidget* parent = nullptr);

    interp::Pace pace() const;
    void choose(interp::Pace pace);  // selects the entry of that pace, if there is one

signals:
    void paceChosen(tarvo::interp::Pace pace);
};

}  // namespace tarvo::app
