#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "teach/exercises/ExerciseSheet.h"

namespace tarvo::teach {

// A student's file as a shell read it: the name to show, and either its
// bytes or why they could not be read (not a regular file, too large).
struct ClassFile {
    std::string name, bytes, problem;
};

// A student counted in the summary: the file, the latest attempt in it, and
// whether another file carries the same student number.
struct ClassStudent {
    std::string file;
    ExerciseSheet sheet;
    bool sharedNumber = false;
};

// A file left out of the summary, and why.
struct LeftOutFile {
    std::string file, reason;
};

// A wrong answer given to a step, and by how many students.
struct WrongAnswer {
    std::string answer;
    std::size_t students = 0;
};

// One answer of the exercises across the class: how many answered it, how
// many wrongly, and with what, the most frequent first.
struct ClassStep {
    std::size_t exercise = 0;
    std::string task;
    std::int64_t iteration = 0;
    std::string item, expected;
    std::size_t answered = 0, wrong = 0;
    std::vector<WrongAnswer> wrongAnswers;
};

// The class's exercise files summed up. The class's code is the one most
// readable files carry, on a tie the first such file's; files of another
// code, and files that are no exercise file, are left out with the reason,
// in the order given. Students go by number (digits by value), then name
// and file; steps as the exercises go, 进给 before F.
struct ClassSummary {
    std::string code;
    std::vector<ClassStudent> students;
    std::vector<ClassStep> steps;
    std::vector<LeftOutFile> leftOut;

    // "12 份答卷，共答对 520 / 564（92.2%）"
    std::string scoreText() const;
    std::size_t rights() const;
    std::size_t total() const;
};

ClassSummary summarise(const std::vector<ClassFile>& files);

// A share of right answers as a percentage to one place, rounded half up
// from the exact quotient: "97.9%"; "—" of nothing.
std::string percentText(std::size_t rights, std::size_t total);
// A text of the exercise file as the window and the page show it, with a
// true minus sign: "-X" as "−X", but the hyphen of "point-by-point".
std::string shownText(std::string text);
// The wrong answers of a step, e.g. "+Y ×5, −X ×2"; with "-" for a CSV file.
std::string wrongAnswersText(const ClassStep& step, bool asciiMinus = false);

}  // namespace tarvo::teach
