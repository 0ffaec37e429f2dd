#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace tarvo::teach {

// Who answers: the name (姓名) and the student number (学号) as typed, either
// of which may be empty.
struct Student {
    std::string name, number;

    friend bool operator==(const Student&, const Student&) = default;
};

// One attempt at a code's exercises, as its answers are traced back to a
// student: the canonical code, the student, which attempt of that student at
// that code it is (from 1), and the local date (YYYY-MM-DD) and time
// (HH:MM:SS) it started at, which the shell reads off its clock.
struct ExerciseAttempt {
    std::string code;
    Student student;
    int count = 1;
    std::string date, time;
};

// The attempts made on one computer: a student's next attempt at a code is
// counted on from the last, so that a retry is never anonymous, not even
// after the program is started anew.
class ExerciseAttempts {
public:
    ExerciseAttempts() = default;
    // The counts as saved() wrote them; a line that does not read is left out.
    explicit ExerciseAttempts(std::string_view saved);

    // The number of the attempt that starts now: 1 for the first.
    int begin(const std::string& code, const Student& student) {
        return ++counts_[{code, student.name, student.number}];
    }
    // Every count as text to keep in the settings: a line each, the code,
    // the name, the number and the count separated by tabs, a tab, a line
    // break or a backslash in a name or number written \t, \n or \\.
    std::string saved() const;

private:
    std::map<std::tuple<std::string, std::string, std::string>, int> counts_;
};

}  // namespace tarvo::teach
