#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "teach/ExerciseAttempt.h"
#include "teach/ExerciseGrading.h"
#include "teach/ExerciseRound.h"

namespace tarvo::web {

// 练习 as the web page's worker keeps it: the attempt under way at a code's
// exercises, who answers, and how many attempts each student made at each
// code on this browser (kept by the page as the text saved() gives).
class ExerciseSession {
public:
    explicit ExerciseSession(std::string_view savedAttempts = {}) : attempts_(savedAttempts) {}

    // 开始: a new attempt at a typed code, at the local date and time the
    // page read off its clock. Why not, or nothing when it started: a bad
    // code, or answers not yet exported, which the first 开始 warns of and
    // the second throws away.
    std::optional<std::string> start(std::string_view typedCode, const teach::Student& student,
                                     const std::string& date, const std::string& time);
    std::string savedAttempts() const { return attempts_.saved(); }

    // The answers to the iteration asked. A feed with the new F as typed
    // (empty: 未答); a typed F that is no whole number is refused and
    // nothing is marked (the notice says why).
    void answerFeed(motion::PulseFeed feed, std::string_view typedDeviation);
    // Enter in the F field: only checks what was typed.
    void checkDeviation(std::string_view typedDeviation);
    void answerOverflow(bool x, bool y);
    // 下一题 once the exercise is done; after the last, the score shows.
    void next();
    // An export was made: the answers are safe.
    void exported() { saved_ = true; }

    const teach::ExerciseRound* round() const { return round_ ? &*round_ : nullptr; }
    bool scoreShown() const { return scoreShown_; }
    const std::string& notice() const { return notice_; }
    // The last iteration answered, its marks and formula; empty before any.
    const std::string& verdict() const { return verdict_; }
    bool verdictRight() const { return verdictRight_; }

private:
    bool mayStartOver();
    std::optional<std::optional<std::int64_t>> typed(std::string_view typedDeviation);
    void answered(std::int64_t iteration, const std::vector<teach::Graded>& marked);

    teach::ExerciseAttempts attempts_;
    std::optional<teach::ExerciseRound> round_;
    bool saved_ = true, warnedOnce_ = false, scoreShown_ = false, verdictRight_ = false;
    std::string notice_, verdict_;
};

}  // namespace tarvo::web
