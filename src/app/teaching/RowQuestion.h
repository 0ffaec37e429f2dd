#pragma once

#include <QWidget>

#include "motion/PulseStep.h"
#include "teach/exercises/AnswerSheet.h"

class QCheckBox;
class QLineEdit;

namespace tarvo::app {

// The answers asked of one row of the interpolation table, set in the row
// itself over its hidden beats: the new F and the four feeds (a comparison
// row, as the exercises ask them), or the feeds alone (the machine's arcs),
// or the X and Y overflows (digital integration). Answers already given show
// disabled. The keyboard alone answers: the arrows, with or without Alt,
// feed; Enter in the F field gives the F; X and Y tick the overflows, Enter
// hands them in. The F field takes a number and nothing else.
class RowQuestion : public QWidget {
    Q_OBJECT

public:
    RowQuestion(const teach::AnswerSheet::Answers& answers, QWidget* parent = nullptr);

    // Null where the row asks no such answer.
    QLineEdit* deviationField() { return deviation_; }
    QCheckBox* overflowX() { return overflowX_; }
    QCheckBox* overflowY() { return overflowY_; }

signals:
    // A feed pressed; the F field's text goes with it, to be marked too.
    void feedPressed(motion::PulseFeed feed, const QString& typedDeviation);
    void deviationEntered(const QString& typed);
    void overflowsGiven(bool x, bool y);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFeeds(const teach::AnswerSheet::Answers& answers);
    void buildOverflows();
    bool feedKey(int key);

    QLineEdit* deviation_ = nullptr;
    QCheckBox* overflowX_ = nullptr;
    QCheckBox* overflowY_ = nullptr;
    bool feedAsked_ = false;
};

}  // namespace tarvo::app
