#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "teach/exercises/ExerciseRound.h"

class QLabel;
class QTableWidget;

namespace tarvo::app {

class Prompts;

// The end of an attempt at the exercises: the code, the student and the
// attempt, the score, the answers marked wrong with the formula that decides
// each, and their export as CSV or as a page to print. A failed save says so
// and leaves any old file as it was.
class ExerciseScorePage : public QWidget {
public:
    // `saved` is called after each export written whole.
    ExerciseScorePage(Prompts& prompts, std::function<void()> saved, QWidget* parent = nullptr);

    // Shows a finished attempt; called once its last exercise is done.
    void showRound(const teach::ExerciseRound& round);

private:
    Prompts& prompts_;
    std::function<void()> saved_;
    std::optional<teach::ExerciseRound> round_;
    QLabel* scoreText_;
    QLabel* student_;
    QTableWidget* wrong_;
};

}  // namespace tarvo::app
