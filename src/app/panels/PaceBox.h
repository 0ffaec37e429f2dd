#pragma once

#include <QComboBox>

#include "app/panels/Pace.h"

namespace tarvo::app {

// The speed of the run, from one interpolation step a second up to as fast
// as the machine goes; the timers' own 1 ms per tick is the default.
class PaceBox : public QComboBox {
    Q_OBJECT

public:
    explicit PaceBox(QWidget* parent = nullptr);

    Pace pace() const;
    void choose(Pace pace);  // selects the entry of that pace, if there is one

signals:
    void paceChosen(tarvo::app::Pace pace);
};

}  // namespace tarvo::app
