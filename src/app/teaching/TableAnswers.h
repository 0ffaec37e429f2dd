#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QPointer>
#include <cstdint>
#include <optional>

#include "motion/PulseStep.h"
#include "teach/exercises/AnswerSheet.h"
#include "teach/table/TableQuiz.h"

class QCheckBox;
class QLabel;
class QTableView;
class QWidget;

namespace tarvo::teach {
class StepTable;
}
namespace tarvo::app {

class RowQuestion;
class StepTableModel;

// 先答后看 on the interpolation table: the switch, the line beside it, and
// the question set into its row, over teach::TableQuiz, which decides what
// is asked, marked and forgotten. Each answer is marked in the row at once;
// the row shows whole when all its answers are in.
class TableAnswers : public QObject {
    Q_OBJECT

public:
    TableAnswers(const teach::StepTable& table, StepTableModel& model, QTableView& view,
                 QWidget* parent);

    QCheckBox& onSwitch() { return *switch_; }
    QLabel& score() { return *score_; }
    const teach::AnswerSheet& sheet() const { return quiz_.sheet(); }
    // The question's widget, while one is asked and its row shown.
    RowQuestion* question() const;

    // The window's single step began with the table's end at `from`; the
    // panel has taken in the rows it made.
    void stepped(std::uint64_t from);
    // The window starts a fresh run: the last run's answers go.
    void freshRun();
    // After the panel took in the rows that came and went: the question
    // stands in its row.
    void follow();
    // After the window's step back, which may have replayed the run into
    // the table: the answers of the rows it went back over go.
    void steppedBack();

private:
    void switched(bool on);
    void placeQuestion(bool focus);
    void showScore();
    void answered(bool marked);
    void removeQuestion();

    teach::TableQuiz quiz_;
    StepTableModel& model_;
    QTableView& view_;
    QCheckBox* switch_;
    QLabel* score_;
    QPointer<RowQuestion> question_;
    std::optional<std::uint64_t> placed_;  // the serial the question stands in
    QPersistentModelIndex placedAt_;       // and where the view holds it
};

}  // namespace tarvo::app
