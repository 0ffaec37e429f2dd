#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "motion/PulseStep.h"
#include "teach/exercises/ExerciseAttempt.h"
#include "teach/exercises/ExerciseSession.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace tarvo::app {

class AccessKeyGuard;
class ExerciseFigure;
class ExerciseScorePage;
class Prompts;

// 练习, predict then see: a window beside the main one, never modal, that
// sets the exercises a code fixes one iteration at a time. Before each
// iteration it shows the point and the deviation or registers as they stand
// and hides the rest; the student types the new deviation and presses the
// feed (comparison), or ticks the overflowing registers (integration); then
// the figure moves by the iteration and the answer is marked with the
// formula that decides it. At the end it shows the score and the wrong
// answers and exports them. The student's name and number head every
// attempt; each attempt at a code is counted. teach::ExerciseSession holds
// the attempt and its rules; the panel shows it and forwards the answers.
class ExercisePanel : public QDialog {
    Q_OBJECT

public:
    // What the exercises keep between starts of the program: the student
    // last named, which fills the fields at first, and the attempts counted
    // so far (as teach::ExerciseAttempts::saved() writes them). `keep` is
    // called with both whenever an attempt starts.
    struct Memory {
        teach::Student student;
        std::string attempts;
        std::function<void(const teach::Student&, const std::string& attempts)> keep;
    };

    ExercisePanel(Prompts& prompts, Memory memory, QWidget* parent = nullptr);

    // Brought up from the teaching menu: shown on top, within its screen.
    void present();
    // The code of the round under way, or else the one in the code field.
    QString code() const;

private:
    QWidget* buildStudentRow(const teach::Student& student);
    QWidget* buildCodeRow();
    QWidget* buildExercisePage();
    QWidget* buildComparisonAnswers();
    QWidget* buildIntegrationAnswers();
    void drawCode();
    void start();
    void ask();
    void answerFeed(motion::PulseFeed feed);
    void checkDeviation();
    void exportEarly();
    void answerOverflow();
    void answered(bool marked);
    void nextExercise();

    Prompts& prompts_;
    std::function<void(const teach::Student&, const std::string&)> keep_;
    AccessKeyGuard* guard_;
    teach::ExerciseSession session_;
    QLineEdit* name_;
    QLineEdit* number_;
    QLineEdit* code_;
    QLabel* notice_;
    QStackedWidget* pages_;
    QLabel* attempt_;
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
