#include "teach/exercises/WorksheetRows.h"

#include <cstdlib>
#include <variant>

#include "motion/Overloaded.h"
#include "motion/PulseStepper.h"
#include "motion/StepRecord.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/table/RowTexts.h"
#include "teach/table/TextbookStep.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

// The exercise's figure as the interpolation table knows a segment's: one
// pulse a step, so the table's row texts count in the exercise's pulses.
TextbookSegment segmentOf(const Exercise& e) {
    TextbookSegment segment;
    segment.figure = {e.start, e.end, false};
    return segment;
}

motion::PulseFeed feedOf(const motion::PulseIteration& iteration) {
    return std::visit(Overloaded{[](const ComparisonStep& c) { return c.feed; },
                                 [](const IntegrationStep& s) { return s.feed; }},
                      iteration);
}

// The iteration as the machine's table records it, so that the worksheet
// tells the feed and the end counter in the table's own words.
motion::StepRecord recordOf(const Exercise& e, const motion::PulseIteration& iteration) {
    motion::StepRecord record;
    record.gmode = !e.arc        ? motion::Mode::Line
                   : e.clockwise ? motion::Mode::Clockwise
                                 : motion::Mode::CounterClockwise;
    record.method = e.method;
    record.pulses = iteration;
    const motion::PulseFeed feed = feedOf(iteration);
    record.feed[0] = feed.x;
    record.feed[1] = feed.y;
    return record;
}

// The table's end counter; the worksheet adds where the stepper stops.
std::string endTest(const RowTexts& texts, bool finished) {
    const std::string text = texts.sigma.starts_with("Σ") ? texts.sigma : "Σ " + texts.sigma;
    return finished ? words::fill("{1}，到终点", {text}) : text;
}

// The grading explains an iteration as "judgement；calculation" ("; " in
// English); a comparison's judgement ends in the feed it decides,
// "F = −3 < 0 → +Y".
std::pair<std::string, std::string> explained(const std::string& explanation) {
    for (const std::string_view between : {std::string_view("；"), std::string_view("; ")}) {
        const auto split = explanation.find(between);
        if (split == std::string::npos) continue;
        return {explanation.substr(0, split), explanation.substr(split + between.size())};
    }
    return {explanation, {}};
}

std::string beforeFeed(const std::string& judgement) {
    return judgement.substr(0, judgement.find(" → "));
}

// The working of the new deviation up to its value, which is the answer.
std::string upToValue(const std::string& calculation, const std::string& value) {
    const std::string tail = " = " + value;
    if (calculation.ends_with(tail))
        return calculation.substr(0, calculation.size() - value.size());
    return words::fill("{1}；新 F = ", {calculation});
}

// The answers and their working are the exercises' own, as the exercise
// window marks them; the end test is the table's.
WorksheetRow comparisonRow(const Exercise& e, const ComparisonStep& step, const std::string& end) {
    const Graded feed = gradeFeed(e, step, step.feed);
    const Graded deviation = gradeDeviation(e, step, step.fAfter);
    const auto [judgement, calculation] = explained(deviation.explanation);
    return {step.number,
            {BeatCell{beforeFeed(judgement), std::nullopt}, BeatCell{{}, feed.expected},
             BeatCell{upToValue(calculation, deviation.expected), deviation.expected},
             BeatCell{end, std::nullopt}}};
}

// The feed is the table's, "无" where the registers did not overflow.
WorksheetRow integrationRow(const IntegrationStep& step, const RowTexts& texts,
                            const std::string& end) {
    const Graded overflow = gradeOverflow(step, step.overflowX, step.overflowY);
    const std::string fed = texts.feed.empty() ? std::string(words::say("无")) : texts.feed;
    return {step.number,
            {BeatCell{{}, overflow.expected}, BeatCell{fed, std::nullopt},
             BeatCell{overflow.explanation, std::nullopt}, BeatCell{end, std::nullopt}}};
}

// A DDA's capacity, integrands, remainders and end counters before its first iteration.
std::string integrationGiven(const IntegrationStep& s, const motion::StepRecord& first) {
    const std::string text =
        words::fill("容量 2^N = {1}；初值 J_Vx = {2}，J_Vy = {3}，J_Rx = {4}，J_Ry = {5}",
                    {std::to_string(s.capacity), std::to_string(s.jvx), std::to_string(s.jvy),
                     std::to_string(s.jrx), std::to_string(s.jry)});
    if (first.gmode == motion::Mode::Line) {
        return words::fill("{1}，Σ = {2}", {text, std::to_string(s.sigmaX + 1)});
    }
    return words::fill("{1}，Σx = {2}，Σy = {3}",
                       {text, std::to_string(s.sigmaX + std::abs(s.feed.x)),
                        std::to_string(s.sigmaY + std::abs(s.feed.y))});
}

// The registers as the first iteration finds them, and the end counters.
std::string given(const motion::StepRecord& first) {
    return std::visit(
        Overloaded{[](const ComparisonStep& c) {
                       return words::fill("初值 F = {1}，Σ = {2}",
                                          {pulseText(c.f), std::to_string(c.sigma + 1)});
                   },
                   [&first](const IntegrationStep& s) { return integrationGiven(s, first); }},
        *first.pulses);
}

WorksheetExercise worked(const Exercise& e) {
    WorksheetExercise sheet{e, {}, {}, {}};
    const TextbookSegment segment = segmentOf(e);
    motion::PulseStepper stepper = e.stepper();
    sheet.path.push_back(stepper.point());
    while (!stepper.finished()) {
        const motion::PulseIteration iteration = stepper.next();
        const motion::StepRecord record = recordOf(e, iteration);
        if (sheet.rows.empty()) sheet.given = given(record);
        const RowTexts texts = rowTexts(TextbookStep{record, segment});
        const std::string end = endTest(texts, stepper.finished());
        sheet.rows.push_back(std::visit(
            Overloaded{[&](const ComparisonStep& c) { return comparisonRow(e, c, end); },
                       [&](const IntegrationStep& s) { return integrationRow(s, texts, end); }},
            iteration));
        sheet.path.push_back(stepper.point());
    }
    return sheet;
}

}  // namespace

std::vector<WorksheetExercise> worksheetExercises(const ExerciseCode& code) {
    std::vector<WorksheetExercise> sheets;
    for (const Exercise& e : code.exercises()) sheets.push_back(worked(e));
    return sheets;
}

const std::array<const char*, 4>& beatCaptions(motion::Method method) {
    static constexpr std::array<const char*, 4> comparison = {"偏差判别", "进给", "偏差计算",
                                                              "终点判别"};
    static constexpr std::array<const char*, 4> integration = {"偏差判别（溢出）", "进给",
                                                               "偏差计算（累加）", "终点判别"};
    return method == motion::Method::Comparison ? comparison : integration;
}

}  // namespace tarvo::teach
