#include "teach/exercises/ExerciseSheet.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <tuple>

#include "files/ProgramEncoding.h"
#include "teach/exercises/CsvText.h"
#include "teach/exercises/ExerciseCode.h"

namespace tarvo::teach {

namespace {

enum Column : std::size_t {
    Code,
    Name,
    Number,
    Date,
    Time,
    Attempt,
    Exercise,
    Task,
    Step,
    Item,
    Answer,
    Expected,
    Mark,
    Rights,
    Total,
    Explanation,
    ColumnCount
};

std::invalid_argument fault(std::size_t line, const std::string& what) {
    return std::invalid_argument("第 " + std::to_string(line) + " 行：" + what);
}

std::string quoted(const std::string& text) {
    return "“" + text + "”";
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A count as the exercises write it: digits without a leading zero, at most
// nine of them, so that it never overflows.
std::int64_t count(const CsvRecord& r, Column c, std::int64_t least) {
    const std::string& text = r.fields[c];
    const bool fits = allDigits(text) && text.size() <= 9 && (text[0] != '0' || text == "0");
    const std::int64_t value = fits ? std::stoll(text) : -1;
    if (value < least) {
        const std::string want = least > 0 ? "应为正整数" : "应为整数，不小于 0";
        throw fault(r.line, exerciseSheetColumns()[c] + " " + quoted(text) + " " + want);
    }
    return value;
}

int digitsAt(const std::string& text, std::size_t at, std::size_t n) {
    return std::stoi(text.substr(at, n));
}

bool shaped(const std::string& text, std::string_view pattern) {
    if (text.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '9' ? !digit : text[i] != pattern[i]) return false;
    }
    return true;
}

void checkDate(const CsvRecord& r) {
    const std::string& text = r.fields[Date];
    bool real = shaped(text, "9999-99-99");
    if (real) {
        const int year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2),
                  day = digitsAt(text, 8, 2);
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        real = month >= 1 && month <= 12 && day >= 1 &&
               day <= days[month - 1] + (month == 2 && leap ? 1 : 0);
    }
    if (!real) throw fault(r.line, "日期 " + quoted(text) + " 应为 年-月-日，如 2026-12-07");
}

void checkTime(const CsvRecord& r) {
    const std::string& text = r.fields[Time];
    const bool real = shaped(text, "99:99:99") && digitsAt(text, 0, 2) < 24 &&
                      digitsAt(text, 3, 2) < 60 && digitsAt(text, 6, 2) < 60;
    if (!real) throw fault(r.line, "时间 " + quoted(text) + " 应为 时:分:秒，如 14:05:09");
}

void checkCode(const CsvRecord& r) {
    const std::string& text = r.fields[Code];
    bool canonical = false;
    try {
        canonical = ExerciseCode(text).text() == text;
    } catch (const std::invalid_argument&) {
    }
    if (!canonical) throw fault(r.line, "代码 " + quoted(text) + " 不是练习码");
}

void checkTexts(const CsvRecord& r) {
    for (std::size_t c = 0; c < ColumnCount; ++c) {
        if (r.fields[c].find("−") != std::string::npos) {
            throw fault(r.line, exerciseSheetColumns()[c] + "里有数学减号 U+2212，应为 ASCII 的 -");
        }
    }
    for (const Column c : {Task, Answer, Expected}) {
        if (r.fields[c].empty()) throw fault(r.line, exerciseSheetColumns()[c] + "一栏为空");
    }
    const std::string& item = r.fields[Item];
    if (item != "进给" && item != "F" && item != "溢出") {
        throw fault(r.line, "答项 " + quoted(item) + " 应为 进给、F 或 溢出");
    }
    const std::string& mark = r.fields[Mark];
    if (mark != "对" && mark != "错")
        throw fault(r.line, "对错 " + quoted(mark) + " 应为 对 或 错");
    if ((mark == "对") != (r.fields[Answer] == r.fields[Expected])) {
        throw fault(r.line, "对错与作答、应为不符");
    }
}

SheetAnswer answerOf(const CsvRecord& r) {
    if (r.fields.size() != ColumnCount) {
        throw fault(r.line, "应有 " + std::to_string(ColumnCount) + " 项，却有 " +
                                std::to_string(r.fields.size()) + " 项");
    }
    checkTexts(r);
    checkCode(r);
    checkDate(r);
    checkTime(r);
    count(r, Attempt, 1);
    count(r, Rights, 0);
    count(r, Total, 1);
    return {r.line,
            static_cast<std::size_t>(count(r, Exercise, 1)),
            r.fields[Task],
            count(r, Step, 1),
            r.fields[Item],
            r.fields[Answer],
            r.fields[Expected],
            r.fields[Explanation],
            r.fields[Mark] == "对"};
}

// What every line of one attempt shares, and what its lines add up to.
struct AttemptLines {
    const CsvRecord* first = nullptr;
    std::size_t lines = 0, rights = 0;
};

// The fields the lines must agree on: throughout the file, or within an attempt.
void checkSame(const CsvRecord& r, const CsvRecord& first, std::initializer_list<Column> columns,
               const std::string& scope) {
    for (const Column c : columns) {
        if (r.fields[c] != first.fields[c]) {
            throw fault(r.line, exerciseSheetColumns()[c] + "与" + scope + "第 " +
                                    std::to_string(first.line) + " 行不同");
        }
    }
}

void checkScores(const std::map<std::int64_t, AttemptLines>& attempts) {
    for (const auto& [number, a] : attempts) {
        const std::string which = "第 " + std::to_string(number) + " 次作答";
        const std::string& total = a.first->fields[Total];
        const std::string& rights = a.first->fields[Rights];
        if (std::to_string(a.lines) != total) {
            throw std::invalid_argument(which + "有 " + std::to_string(a.lines) +
                                        " 行答案，总数却是 " + total);
        }
        if (std::to_string(a.rights) != rights) {
            throw std::invalid_argument(which + "有 " + std::to_string(a.rights) +
                                        " 个“对”，答对却是 " + rights);
        }
    }
}

}  // namespace

const std::vector<std::string>& exerciseSheetColumns() {
    static const std::vector<std::string> columns{"代码", "姓名", "学号", "日期", "时间", "次",
                                                  "题号", "题目", "步",   "答项", "作答", "应为",
                                                  "对错", "答对", "总数", "说明"};
    return columns;
}

ExerciseSheet readExerciseSheet(std::string_view bytes) {
    if (!files::isUtf8(bytes)) throw std::invalid_argument("不是 UTF-8 文本");
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::vector<CsvRecord> records = readCsv(bytes);
    if (records.empty()) throw std::invalid_argument("文件是空的");
    if (records[0].fields != exerciseSheetColumns()) {
        throw std::invalid_argument("第一行不是练习答案的表头");
    }
    if (records.size() == 1) throw std::invalid_argument("没有答案行");

    std::map<std::int64_t, AttemptLines> attempts;
    std::map<std::tuple<std::int64_t, std::size_t, std::int64_t, std::string>, std::size_t> seen;
    std::vector<std::pair<std::int64_t, SheetAnswer>> answers;
    for (auto r = records.begin() + 1; r != records.end(); ++r) {
        SheetAnswer answer = answerOf(*r);
        const std::int64_t number = std::stoll(r->fields[Attempt]);
        checkSame(*r, records[1], {Code, Name, Number, Total}, "");
        AttemptLines& attempt = attempts[number];
        if (!attempt.first) attempt.first = &*r;
        checkSame(*r, *attempt.first, {Date, Time, Rights}, "同一次的");
        const auto [earlier, fresh] =
            seen.try_emplace({number, answer.exercise, answer.iteration, answer.item}, r->line);
        if (!fresh) {
            throw fault(r->line, "第 " + std::to_string(answer.exercise) + " 题第 " +
                                     std::to_string(answer.iteration) + " 步的" + answer.item +
                                     "已在第 " + std::to_string(earlier->second) + " 行答过");
        }
        ++attempt.lines;
        if (answer.right) ++attempt.rights;
        answers.emplace_back(number, std::move(answer));
    }
    checkScores(attempts);

    const auto& [latest, lines] = *attempts.rbegin();
    const std::vector<std::string>& f = lines.first->fields;
    ExerciseSheet sheet{f[Code], f[Name],         f[Number],    f[Date],     f[Time],
                        latest,  attempts.size(), lines.rights, lines.lines, {}};
    for (auto& [number, answer] : answers) {
        if (number == latest) sheet.answers.push_back(std::move(answer));
    }
    return sheet;
}

}  // namespace tarvo::teach
