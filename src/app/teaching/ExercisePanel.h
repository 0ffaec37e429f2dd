#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/ExerciseGrading.h"
#include "teach/ExerciseRound.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace tarvo::app {

class ExerciseFigure;
class ExerciseScorePage;
class Prompts;

// 练习, predict then see: a window beside the main one, never modal, that
// sets the exercises a code fixes one iteration at a time. Before each
// iteration it shows the point and the deviation or registers as they stand
// and hides the rest; the student presses the feed and may type the new
// deviation (comparison), or ticks the overflowing registers (integration);
// then the figure moves by the iteration and the answer is marked with the
// formula that decides it. At the end it shows the score and the wrong
// answers and exports them.
class ExercisePanel : public QDialog {
    Q_OBJECT

public:
    explicit ExercisePanel(Prompts& prompts, QWidget* parent = nullptr);

    // Brought up from the teaching menu: shown on top, within its screen.
    void present();
    // The code of the round under way, or else the one in the code field.
    QString code() const;

private:
    QWidget* buildCodeRow();
    QWidget* buildExercisePage();
    QWidget* buildComparisonAnswers();
    QWidget* buildIntegrationAnswers();
    void drawCode();
    void start();
    void ask();
    void answerFeed(motion::PulseFeed feed);
    void answerDeviation();
    void answerOverflow();
    std::optional<std::int64_t> typedDeviation(bool& bad);
    void showVerdict(std::int64_t iteration, const std::vector<QString>& parts,
                     const std::vector<teach::Graded>& marked);
    void nextExercise();

    Prompts& prompts_;
    std::optional<teach::ExerciseRound> round_;
    QLineEdit* code_;
    QLabel* notice_;
    QStackedWidget* pages_;
    QLabel* task_;
    ExerciseFigure* figure_;
    QLabel* known_;
    QStackedWidget* answers_;
    QLineEdit* deviation_;
    QCheckBox* overflowX_;
    QCheckBox* overflowY_;
    QLabel* verdict_;
    QPushButton* next_;
    ExerciseScorePage* scorePage_;
};

}  // namespace tarvo::app
