#include "teach/exercises/ClassSummary.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "teach/exercises/ExerciseCode.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

struct ReadFile {
    const ClassFile* file;
    std::optional<ExerciseSheet> sheet;
    std::string problem;
};

ReadFile read(const ClassFile& file) {
    if (!file.problem.empty()) return {&file, std::nullopt, file.problem};
    try {
        return {&file, readExerciseSheet(file.bytes), {}};
    } catch (const std::invalid_argument& e) {
        return {&file, std::nullopt, e.what()};
    }
}

// The code most sheets carry; on a tie, the one met first.
std::string classCode(const std::vector<ReadFile>& files) {
    std::map<std::string, std::size_t> counts;
    std::string code;
    for (const ReadFile& f : files) {
        if (!f.sheet) continue;
        const std::size_t n = ++counts[f.sheet->code];
        if (code.empty() || n > counts[code]) code = f.sheet->code;
    }
    return code;
}

// Student numbers of digits alone go by their value, so 9 before 10.
bool numberBefore(const std::string& a, const std::string& b) {
    const auto digits = [](const std::string& s) {
        return !s.empty() &&
               std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (a.empty() != b.empty()) return b.empty();
    if (digits(a) && digits(b) && a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

void markSharedNumbers(std::vector<ClassStudent>& students) {
    std::map<std::string, std::size_t> files;
    for (const ClassStudent& s : students) ++files[s.sheet.number];
    for (ClassStudent& s : students) {
        s.sharedNumber = !s.sheet.number.empty() && files[s.sheet.number] > 1;
    }
}

int itemOrder(const std::string& item) {
    return item == words::say("进给") ? 0 : (item == "F" ? 1 : 2);
}

// A file in the other language than the summary's has its tasks told again
// from its code, so that every step of the summary reads in one language.
void retell(ExerciseSheet& sheet) {
    if (sheet.language == words::spoken()) return;
    const std::vector<Exercise> exercises = ExerciseCode(sheet.code).exercises();
    for (SheetAnswer& answer : sheet.answers) {
        if (answer.exercise > exercises.size()) continue;
        std::string task = exercises[answer.exercise - 1].text();
        for (std::size_t at = 0; (at = task.find("−", at)) != std::string::npos;) {
            task.replace(at, std::string_view("−").size(), "-");
        }
        answer.task = std::move(task);
    }
}

std::vector<ClassStep> steps(const std::vector<ClassStudent>& students) {
    using Key = std::tuple<std::size_t, std::int64_t, int>;
    std::map<Key, ClassStep> byKey;
    std::map<Key, std::map<std::string, std::size_t>> wrongs;
    for (const ClassStudent& s : students) {
        for (const SheetAnswer& a : s.sheet.answers) {
            const Key key{a.exercise, a.iteration, itemOrder(a.item)};
            ClassStep& step =
                byKey
                    .try_emplace(
                        key,
                        ClassStep{a.exercise, a.task, a.iteration, a.item, a.expected, 0, 0, {}})
                    .first->second;
            ++step.answered;
            if (a.right) continue;
            ++step.wrong;
            ++wrongs[key][a.answer];
        }
    }
    std::vector<ClassStep> out;
    for (auto& [key, step] : byKey) {
        for (const auto& [answer, n] : wrongs[key]) step.wrongAnswers.push_back({answer, n});
        std::stable_sort(
            step.wrongAnswers.begin(), step.wrongAnswers.end(),
            [](const WrongAnswer& a, const WrongAnswer& b) { return a.students > b.students; });
        out.push_back(std::move(step));
    }
    return out;
}

}  // namespace

std::string ClassSummary::scoreText() const {
    return words::fill("{1} 份答卷，共答对 {2} / {3}（{4}）",
                       {std::to_string(students.size()), std::to_string(rights()),
                        std::to_string(total()), percentText(rights(), total())});
}

std::size_t ClassSummary::rights() const {
    return std::accumulate(students.begin(), students.end(), std::size_t{0},
                           [](std::size_t n, const ClassStudent& s) { return n + s.sheet.rights; });
}

std::size_t ClassSummary::total() const {
    return std::accumulate(students.begin(), students.end(), std::size_t{0},
                           [](std::size_t n, const ClassStudent& s) { return n + s.sheet.total; });
}

ClassSummary summarise(const std::vector<ClassFile>& files) {
    std::vector<ReadFile> sheets;
    for (const ClassFile& f : files) sheets.push_back(read(f));
    ClassSummary summary;
    summary.code = classCode(sheets);
    for (ReadFile& f : sheets) {
        if (!f.sheet) {
            summary.leftOut.push_back({f.file->name, f.problem});
        } else if (f.sheet->code != summary.code) {
            summary.leftOut.push_back({f.file->name, words::fill("练习码 {1}，不是本班的 {2}",
                                                                 {f.sheet->code, summary.code})});
        } else {
            retell(*f.sheet);
            summary.students.push_back({f.file->name, std::move(*f.sheet), false});
        }
    }
    std::stable_sort(summary.students.begin(), summary.students.end(),
                     [](const ClassStudent& a, const ClassStudent& b) {
                         if (a.sheet.number != b.sheet.number) {
                             return numberBefore(a.sheet.number, b.sheet.number);
                         }
                         return std::tie(a.sheet.name, a.file) < std::tie(b.sheet.name, b.file);
                     });
    markSharedNumbers(summary.students);
    summary.steps = steps(summary.students);
    return summary;
}

std::string percentText(std::size_t rights, std::size_t total) {
    if (total == 0) return "—";
    const std::size_t tenths = (rights * 2000 + total) / (2 * total);
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) + '%';
}

std::string shownText(std::string text) {
    const auto lower = [&text](std::size_t at) {
        return at < text.size() && text[at] >= 'a' && text[at] <= 'z';
    };
    for (std::size_t at = 0; (at = text.find('-', at)) != std::string::npos;) {
        // Between small letters it is an English word's hyphen ("point-by-point").
        if (at > 0 && lower(at - 1) && lower(at + 1)) {
            ++at;
            continue;
        }
        text.replace(at, 1, "−");
        at += 3;
    }
    return text;
}

std::string wrongAnswersText(const ClassStep& step, bool asciiMinus) {
    std::string text;
    for (const WrongAnswer& w : step.wrongAnswers) {
        if (!text.empty()) text += ", ";
        text += (asciiMinus ? w.answer : shownText(w.answer)) + " ×" + std::to_string(w.students);
    }
    return text;
}

}  // namespace tarvo::teach
