#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/exercises/ExerciseAttempt.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/exercises/ExerciseRound.h"

namespace tarvo::teach {

// 练习 as every shell sets it: the attempt under way at a code's exercises,
// who answers, how many attempts each student made at each code on this
// computer or browser, and the lines the panel shows (the notice, the
// verdict of the last answer, the score page). A shell forwards what the
// student types and presses, shows what this holds, and keeps the attempts'
// text where it keeps its settings.
class ExerciseSession {
public:
    // The attempts counted so far, as savedAttempts() wrote them.
    explicit ExerciseSession(std::string_view savedAttempts = {}) : attempts_(savedAttempts) {}

    // 新代码: a fresh code from a number the shell draws (its clock), for a
    // teacher to write on the board. The notice goes.
    std::string drawCode(std::uint64_t entropy);

    // 开始 with the code, 姓名 and 学号 as typed (spaces around them go), at
    // the local date (YYYY-MM-DD) and time (HH:MM:SS) the shell read off its
    // clock. Whether an attempt started, counted and from the first
    // exercise; if not, the notice says why: the code is refused (the
    // attempt under way goes on), or answers not yet exported, which the
    // first 开始 warns of and the second throws away.
    bool start(std::string_view typedCode, const Student& typed, const std::string& date,
               const std::string& time);
    // The code the last 开始 read, in its canonical text, for the code
    // field; empty when that code was refused.
    const std::string& codeRead() const { return codeRead_; }
    // The counts to keep, changed whenever an attempt starts.
    std::string savedAttempts() const { return attempts_.saved(); }

    // What the iteration under way asks: the new F and the feed, or the
    // overflows; nothing once the exercise is done or before an attempt.
    enum class Asked { Nothing, FeedAndDeviation, Overflow };
    Asked asked() const;

    // The answers to the iteration asked, each ignored where it asks no
    // such answer. A feed with the new F as typed (left empty: 未答); a
    // typed F that is no whole number is refused and nothing is marked.
    // Each says whether it was marked, the figure then a step further.
    bool answerFeed(motion::PulseFeed feed, std::string_view typedDeviation);
    // Enter in the F field: only checks what was typed.
    void checkDeviation(std::string_view typedDeviation);
    bool answerOverflow(bool x, bool y);
    // 下一题 once the exercise is done; after the last, the score page.
    void next();
    // The attempt's answers were exported (CSV or page): they are safe.
    void exported() { saved_ = true; }

    // The attempt under way; null before the first 开始.
    const ExerciseRound* round() const { return round_ ? &*round_ : nullptr; }
    bool scoreShown() const { return scoreShown_; }
    // Why the last 开始 or F was refused, in red; empty for none.
    std::string notice() const { return notice_ ? notice_() : std::string(); }
    // The last iteration answered, its marks and formula; empty before any
    // answer of the exercise under way.
    std::string verdict() const { return verdict_ ? verdict_() : std::string(); }
    bool verdictRight() const { return verdictRight_; }

private:
    bool mayStartOver();
    std::optional<std::optional<std::int64_t>> typed(std::string_view typedDeviation);
    void answered(std::int64_t iteration, std::function<std::vector<Graded>()> marks);

    ExerciseAttempts attempts_;
    std::optional<ExerciseRound> round_;
    bool saved_ = true, warnedOnce_ = false, scoreShown_ = false, verdictRight_ = false;
    // What the notice and the verdict say, kept as what to say rather than
    // as text, so that they are read in the language spoken when read.
    std::function<std::string()> notice_, verdict_;
    std::string codeRead_;
};

}  // namespace tarvo::teach
