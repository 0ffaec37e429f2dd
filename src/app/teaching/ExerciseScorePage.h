#pragma once

#include <QWidget>
#include <string>

#include "teach/ExerciseScore.h"

class QLabel;
class QTableWidget;

namespace tarvo::teach {
class ExerciseRound;
}
namespace tarvo::app {

class Prompts;

// The end of a round of exercises: the score, the answers marked wrong with
// the formula that decides each, and their export as CSV or as a page to
// print. A failed save says so and leaves any old file as it was.
class ExerciseScorePage : public QWidget {
public:
    ExerciseScorePage(Prompts& prompts, QWidget* parent = nullptr);

    // Shows a finished round; called once its last exercise is done.
    void showRound(const teach::ExerciseRound& round);

private:
    void exportFile(const QString& title, const QString& filter, const QString& suffix,
                    const std::string& bytes);

    Prompts& prompts_;
    std::string code_;
    teach::ExerciseScore score_;
    QLabel* scoreText_;
    QTableWidget* wrong_;
};

}  // namespace tarvo::app
