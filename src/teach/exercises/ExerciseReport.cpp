#include "teach/exercises/ExerciseReport.h"

#include "teach/exercises/HtmlText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

// The table repeats its head on every printed page and keeps a row whole.
constexpr const char* style = R"(<style>
body { font-family: "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; margin: 2em; color: #000; }
h1 { font-size: 1.4em; margin: 0 0 .3em; }
p.score { font-size: 1.2em; font-weight: bold; }
table { border-collapse: collapse; width: 100%; font-size: .9em; }
th, td { border: 1px solid #888; padding: .25em .5em; text-align: left; vertical-align: top; }
thead th { background: #e8e8e8; }
tr.task th { background: #f4f4f4; font-weight: bold; }
tr.wrong td { background: #fde2e2; }
td.mark { text-align: center; font-weight: bold; }
tr.wrong td.mark { color: #b00000; }
@page { size: A4; margin: 15mm; }
@media print {
  body { margin: 0; font-size: 10pt; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
  tr.wrong td, thead th, tr.task th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
</style>
)";

std::string cell(const std::string& text, const char* kind = nullptr) {
    return std::string(kind ? "<td class=\"" + std::string(kind) + "\">" : "<td>") +
           htmlEscaped(text) + "</td>";
}

std::string row(const AnsweredStep& step) {
    return std::string(step.graded.right ? "<tr>" : "<tr class=\"wrong\">") +
           cell(std::to_string(step.iteration)) + cell(step.item) + cell(step.graded.answer) +
           cell(step.graded.expected) + cell(step.graded.right ? "✓" : "✗", "mark") +
           cell(step.graded.explanation) + "</tr>\n";
}

std::string table(const ExerciseScore& score) {
    std::string text = "<table>\n<thead>" +
                       htmlHeadRow({"步", "答项", "作答", "应为", "对错", "说明"}) +
                       "</thead>\n<tbody>\n";
    std::size_t exercise = 0;
    for (const AnsweredStep& step : score.steps()) {
        if (step.exercise != exercise) {
            exercise = step.exercise;
            text += "<tr class=\"task\"><th colspan=\"6\">" + std::to_string(exercise) + ". " +
                    htmlEscaped(step.task) + "</th></tr>\n";
        }
        text += row(step);
    }
    return text + "</tbody>\n</table>\n";
}

}  // namespace

std::string studentText(const Student& student) {
    const auto shown = [](const std::string& typed) {
        return typed.empty() ? std::string(words::say("未填")) : typed;
    };
    return words::fill("姓名 {1}　学号 {2}", {shown(student.name), shown(student.number)});
}

std::string exerciseReport(const ExerciseScore& score, const ExerciseAttempt& attempt) {
    const std::string title = words::fill("练习 {1}", {htmlEscaped(attempt.code)});
    std::string page = htmlPageStart() + "<title>" + title + "</title>\n" + style +
                       "</head>\n<body>\n<h1>" + title + "</h1>\n";
    page += "<p>" + htmlEscaped(studentText(attempt.student)) + "</p>\n";
    page +=
        "<p>" +
        words::fill("第 {1} 次　{2} {3}", {std::to_string(attempt.count), htmlEscaped(attempt.date),
                                           htmlEscaped(attempt.time)}) +
        "</p>\n";
    page += "<p class=\"score\">" + htmlEscaped(score.scoreText()) + "</p>\n";
    return page + table(score) + "</body>\n</html>\n";
}

}  // namespace tarvo::teach
