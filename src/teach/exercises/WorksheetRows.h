#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/exercises/Exercise.h"
#include "teach/exercises/ExerciseCode.h"

namespace tarvo::teach {

// One beat of an iteration as a worksheet lists it: the working that leads
// to it and, where the exercises ask the student for it, the answer they
// mark right, taken from their own grading. Texts are UTF-8 with the
// typographic minus "−".
struct BeatCell {
    std::string worked;                 // e.g. "F = −3 + 5 = "
    std::optional<std::string> answer;  // e.g. "2"; none where nothing is asked
};

// The textbook's four beats of one iteration: 偏差判别, 进给, 偏差计算,
// 终点判别 (digital integration: the overflowing registers, the feed, the
// remainder registers' sums, the end counters).
struct WorksheetRow {
    std::int64_t step = 0;  // from 1
    std::array<BeatCell, 4> beats;
};

// One exercise of a worksheet, worked out by its own stepper: what the
// student is given before the first iteration, every iteration, and the
// points the figure reaches, from its start (pulses).
struct WorksheetExercise {
    Exercise exercise;
    std::string given;  // e.g. "初值 F = 0，Σ = 8"
    std::vector<WorksheetRow> rows;
    std::vector<motion::PulsePoint> path;
};

// The exercises a code fixes, in the code's order, each stepped to its end.
std::vector<WorksheetExercise> worksheetExercises(const ExerciseCode& code);

// The columns' captions for a method, after the step's: the beats.
const std::array<const char*, 4>& beatCaptions(motion::Method method);

}  // namespace tarvo::teach
