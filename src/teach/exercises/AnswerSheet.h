#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "motion/PulseStep.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/exercises/RowGrading.h"

namespace tarvo::teach {

class StepTable;

// Predict, then see (先答后看): while it is on, the rows of the
// interpolation table that single steps make keep their beats hidden until
// the student has answered them, oldest first, and each answer is marked as
// the exercises mark it. Rows a run makes at its pace are never asked. A
// row's answers last as long as its run keeps the row: going back over it
// forgets them, and the row made again is asked afresh. A step back may
// replay the run into the table under new serials, so a row is known by
// where it stands in its run: its timer tick, and its place among the rows
// of that tick.
class AnswerSheet {
public:
    explicit AnswerSheet(const StepTable& table) : table_(table) {}

    // A fresh run: its rows are others than the last run's, whatever their ticks.
    void clear() { rows_.clear(); }
    // Off shows every row; the rows still unanswered then are asked no more.
    void setOn(bool on);
    bool on() const { return on_; }

    // After a single step that began when the table's end was `from`: while
    // on, the rows it made are asked, and answers still kept for rows where
    // they stand were to rows gone back over since, and are forgotten.
    void stepped(std::uint64_t from);
    // After a step back: forgets the rows the table no longer keeps, gone
    // back over or dropped for the bound. Not while the step back goes on:
    // the table stands empty or short then, until the run is replayed.
    void follow();

    // Asked and not yet fully answered: its beats stay hidden.
    bool hidden(std::uint64_t serial) const;
    // The oldest hidden row, the one the answers go to.
    std::optional<std::uint64_t> question() const;

    // A row's marked answers; a comparison row's feed and new F are two.
    struct Answers {
        AnswerForm form = AnswerForm::Feed;
        std::optional<Graded> feed, deviation, overflow;
        bool shown = false;  // the switch went off before it was answered
        bool complete() const;
    };
    // The answers given to a row; null for a row never asked.
    const Answers* answersOf(std::uint64_t serial) const;

    // The question's answers, marked; nothing where the question asks no such
    // answer or already has it. A feed pressed with a new F typed gives both.
    std::optional<Graded> answerFeed(motion::PulseFeed feed);
    std::optional<Graded> answerDeviation(std::int64_t deviation);
    std::optional<Graded> answerOverflow(bool x, bool y);

    // The answers given to the rows kept, and how many of them were right.
    int given() const;
    int right() const;

private:
    // Where a row stands in its run.
    struct Place {
        std::uint64_t tick = 0, within = 0;
        auto operator<=>(const Place&) const = default;
    };
    Place placeOf(std::uint64_t serial) const;
    std::optional<std::uint64_t> serialOf(Place place) const;
    Answers* asked();
    TextbookStep questionStep() const;

    const StepTable& table_;
    bool on_ = false;
    std::map<Place, Answers> rows_;  // the rows asked
};

// An answer as the table marks it: "✓ +Y", or "✗ 答 +X，应为 +Y".
std::string markText(const Graded& graded);
// A row's marks named and explained, one per line: "进给 ✓ +Y；新偏差 ✗ 答 3，应为 2"
// then the formula, "F = −3 < 0 → +Y；F = −3 + 5 = 2". Empty while none is given.
std::string answersText(const AnswerSheet::Answers& answers);

// A new F as a student types it: a whole number, its minus ASCII "-" or
// true "−", a plus allowed; nothing for anything else.
std::optional<std::int64_t> typedDeviation(std::string_view typed);

}  // namespace tarvo::teach
