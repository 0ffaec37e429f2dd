#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "motion/PulseStep.h"
#include "teach/exercises/AnswerSheet.h"

namespace tarvo::teach {

class StepTable;

// 先答后看 on the interpolation table, as every shell asks it: the sheet of
// answers, the moments of the run that drive it, the answers as a student
// types them, and the line beside the switch. A shell sets the question in
// its row and the marks in their cells, forwards what the student gives and
// calls the moments; it decides nothing itself.
class TableQuiz {
public:
    explicit TableQuiz(const StepTable& table) : sheet_(table) {}

    // The switch: on asks the rows single steps make; off shows every row.
    void setOn(bool on);
    // A fresh run starts: the last run's answers go.
    void freshRun();
    // A single step began when the table's end was `from`, and its rows are
    // in: while on, they are asked.
    void stepped(std::uint64_t from);
    // A step back is done, the run replayed into the table: the answers of
    // the rows it went back over go, the others stay.
    void steppedBack();

    // The question: the oldest row still hidden, and what it still asks.
    // A comparison row answered in part asks the rest.
    struct Question {
        std::uint64_t serial = 0;
        AnswerForm form = AnswerForm::Feed;
        bool feedAsked = false, deviationAsked = false;
    };
    std::optional<Question> question() const;

    // The question's answers as the student gives them. A feed goes with
    // the new F typed beside it, which is marked too; an F that is no whole
    // number is refused, nothing is marked, and the notice says why until
    // the next answer. An F left empty answers nothing. Each says whether
    // it marked anything, so that the question may have moved on.
    bool answerFeed(motion::PulseFeed feed, std::string_view typedDeviation);
    // Enter in the F field.
    bool answerDeviation(std::string_view typedDeviation);
    bool answerOverflow(bool x, bool y);

    // The line beside the switch: "答对 3 / 4", shown while on or once an
    // answer is kept; or the notice of a refused F, in red.
    struct ScoreLine {
        std::string text;
        bool shown = false, notice = false;
    };
    ScoreLine scoreLine() const;

    const AnswerSheet& sheet() const { return sheet_; }

private:
    // A typed F: empty, no number, marked, or a number the question does not ask.
    enum class Typed { Blank, Refused, Marked, Unasked };
    Typed typedDeviation(std::string_view typed);

    AnswerSheet sheet_;
    // The notice is said when the line is read, in the language of then.
    bool refused_ = false;
};

}  // namespace tarvo::teach
