#include "teach/exercises/ExerciseSheet.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "files/ProgramEncoding.h"
#include "teach/exercises/CsvText.h"
#include "teach/exercises/ExerciseCode.h"
#include "words/Catalogue.h"

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

using words::fill;
using words::Language;
using words::say;

std::invalid_argument fault(std::size_t line, const std::string& what) {
    return std::invalid_argument(fill("第 {1} 行：{2}", {std::to_string(line), what}));
}

std::string quoted(const std::string& text) {
    return fill("“{1}”", {text});
}

// A column named in a message, in the language spoken.
std::string column(std::size_t c) {
    return exerciseSheetColumns(words::spoken())[c];
}

// The words of a line that the summary reads, in either language: the
// Chinese they stand for, or nothing for a word of neither. A file goes to a
// class in whichever language its student spoke, and the summary reads it in
// the teacher's.
std::optional<std::string_view> wordOf(const std::string& text,
                                       std::initializer_list<std::string_view> chinese) {
    for (const std::string_view word : chinese) {
        const std::string_view* english = words::english(word);
        if (text == word || (english && text == *english)) return word;
    }
    return std::nullopt;
}

// An answer or a right answer: a word of the exercises said in the language
// spoken, anything else (a feed, a number, a register) as written.
std::string answerText(const std::string& text) {
    const auto word = wordOf(text, {"未答", "无", "J_Rx、J_Ry"});
    return word ? std::string(say(*word)) : text;
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
        throw fault(r.line, fill(least > 0 ? "{1} {2} 应为正整数" : "{1} {2} 应为整数，不小于 0",
                                 {column(c), quoted(text)}));
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
    if (!real) throw fault(r.line, fill("日期 {1} 应为 年-月-日，如 2026-12-07", {quoted(text)}));
}

void checkTime(const CsvRecord& r) {
    const std::string& text = r.fields[Time];
    const bool real = shaped(text, "99:99:99") && digitsAt(text, 0, 2) < 24 &&
                      digitsAt(text, 3, 2) < 60 && digitsAt(text, 6, 2) < 60;
    if (!real) throw fault(r.line, fill("时间 {1} 应为 时:分:秒，如 14:05:09", {quoted(text)}));
}

void checkCode(const CsvRecord& r) {
    const std::string& text = r.fields[Code];
    bool canonical = false;
    try {
        canonical = ExerciseCode(text).text() == text;
    } catch (const std::invalid_argument&) {
    }
    if (!canonical) throw fault(r.line, fill("代码 {1} 不是练习码", {quoted(text)}));
}

// The answer's item and its mark, each the Chinese it stands for.
struct Marked {
    std::string_view item;
    bool right;
};

Marked checkTexts(const CsvRecord& r) {
    for (std::size_t c = 0; c < ColumnCount; ++c) {
        if (r.fields[c].find("−") != std::string::npos) {
            throw fault(r.line, fill("{1}里有数学减号 U+2212，应为 ASCII 的 -", {column(c)}));
        }
    }
    for (const Column c : {Task, Answer, Expected}) {
        if (r.fields[c].empty()) throw fault(r.line, fill("{1}一栏为空", {column(c)}));
    }
    const auto item = wordOf(r.fields[Item], {"进给", "F", "溢出"});
    if (!item) throw fault(r.line, fill("答项 {1} 应为 进给、F 或 溢出", {quoted(r.fields[Item])}));
    const auto mark = wordOf(r.fields[Mark], {"对", "错"});
    if (!mark) throw fault(r.line, fill("对错 {1} 应为 对 或 错", {quoted(r.fields[Mark])}));
    const bool right = *mark == "对";
    if (right != (answerText(r.fields[Answer]) == answerText(r.fields[Expected]))) {
        throw fault(r.line, std::string(say("对错与作答、应为不符")));
    }
    return {*item, right};
}

SheetAnswer answerOf(const CsvRecord& r) {
    if (r.fields.size() != ColumnCount) {
        throw fault(r.line, fill("应有 {1} 项，却有 {2} 项",
                                 {std::to_string(ColumnCount), std::to_string(r.fields.size())}));
    }
    const Marked marked = checkTexts(r);
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
            std::string(say(marked.item)),
            answerText(r.fields[Answer]),
            answerText(r.fields[Expected]),
            r.fields[Explanation],
            marked.right};
}

// What every line of one attempt shares, and what its lines add up to.
struct AttemptLines {
    const CsvRecord* first = nullptr;
    std::size_t lines = 0, rights = 0;
};

// The fields the lines must agree on: throughout the file, or within an attempt.
// `differs` names the column and the first line in the message.
void checkSame(const CsvRecord& r, const CsvRecord& first, std::initializer_list<Column> columns,
               std::string_view differs) {
    for (const Column c : columns) {
        if (r.fields[c] != first.fields[c]) {
            throw fault(r.line, fill(differs, {column(c), std::to_string(first.line)}));
        }
    }
}

void checkScores(const std::map<std::int64_t, AttemptLines>& attempts) {
    for (const auto& [number, a] : attempts) {
        const std::string which = fill("第 {1} 次作答", {std::to_string(number)});
        const std::string& total = a.first->fields[Total];
        const std::string& rights = a.first->fields[Rights];
        if (std::to_string(a.lines) != total) {
            throw std::invalid_argument(
                fill("{1}有 {2} 行答案，总数却是 {3}", {which, std::to_string(a.lines), total}));
        }
        if (std::to_string(a.rights) != rights) {
            throw std::invalid_argument(
                fill("{1}有 {2} 个“对”，答对却是 {3}", {which, std::to_string(a.rights), rights}));
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

const std::vector<std::string>& exerciseSheetColumns(Language language) {
    static const std::vector<std::string> english = [] {
        std::vector<std::string> columns;
        for (const std::string& chinese : exerciseSheetColumns()) {
            const std::string_view* said = words::english(chinese);
            columns.emplace_back(said ? *said : chinese);
        }
        return columns;
    }();
    return language == Language::chinese ? exerciseSheetColumns() : english;
}

ExerciseSheet readExerciseSheet(std::string_view bytes) {
    if (!files::isUtf8(bytes)) throw std::invalid_argument(std::string(say("不是 UTF-8 文本")));
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    const std::vector<CsvRecord> records = readCsv(bytes);
    if (records.empty()) throw std::invalid_argument(std::string(say("文件是空的")));
    const bool chinese = records[0].fields == exerciseSheetColumns(Language::chinese);
    if (!chinese && records[0].fields != exerciseSheetColumns(Language::english)) {
        throw std::invalid_argument(std::string(say("第一行不是练习答案的表头")));
    }
    if (records.size() == 1) throw std::invalid_argument(std::string(say("没有答案行")));

    std::map<std::int64_t, AttemptLines> attempts;
    std::map<std::tuple<std::int64_t, std::size_t, std::int64_t, std::string>, std::size_t> seen;
    std::vector<std::pair<std::int64_t, SheetAnswer>> answers;
    for (auto r = records.begin() + 1; r != records.end(); ++r) {
        SheetAnswer answer = answerOf(*r);
        const std::int64_t number = std::stoll(r->fields[Attempt]);
        checkSame(*r, records[1], {Code, Name, Number, Total}, "{1}与第 {2} 行不同");
        AttemptLines& attempt = attempts[number];
        if (!attempt.first) attempt.first = &*r;
        checkSame(*r, *attempt.first, {Date, Time, Rights}, "{1}与同一次的第 {2} 行不同");
        const auto [earlier, fresh] =
            seen.try_emplace({number, answer.exercise, answer.iteration, answer.item}, r->line);
        if (!fresh) {
            throw fault(r->line,
                        fill("第 {1} 题第 {2} 步的{3}已在第 {4} 行答过",
                             {std::to_string(answer.exercise), std::to_string(answer.iteration),
                              answer.item, std::to_string(earlier->second)}));
        }
        ++attempt.lines;
        if (answer.right) ++attempt.rights;
        answers.emplace_back(number, std::move(answer));
    }
    checkScores(attempts);

    const auto& [latest, lines] = *attempts.rbegin();
    const std::vector<std::string>& f = lines.first->fields;
    ExerciseSheet sheet{f[Code],
                        f[Name],
                        f[Number],
                        f[Date],
                        f[Time],
                        latest,
                        attempts.size(),
                        lines.rights,
                        lines.lines,
                        {},
                        chinese ? Language::chinese : Language::english};
    for (auto& [number, answer] : answers) {
        if (number == latest) sheet.answers.push_back(std::move(answer));
    }
    return sheet;
}

}  // namespace tarvo::teach
