#include "teach/exercises/ClassSummaryPage.h"

#include <initializer_list>

#include "teach/exercises/ClassSummaryCsv.h"
#include "teach/exercises/HtmlText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

// Each table repeats its head on every printed page and keeps a row whole.
constexpr const char* style = R"(<style>
body { font-family: "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; margin: 2em; color: #000; }
h1 { font-size: 1.4em; margin: 0 0 .3em; }
h2 { font-size: 1.1em; margin: 1.2em 0 .4em; }
p.score { font-size: 1.2em; font-weight: bold; }
table { border-collapse: collapse; width: 100%; font-size: .9em; }
th, td { border: 1px solid #888; padding: .25em .5em; text-align: left; vertical-align: top; }
td.count { text-align: right; white-space: nowrap; }
thead th { background: #e8e8e8; }
tr.task th { background: #f4f4f4; font-weight: bold; }
tr.wrong td, tr.shared td { background: #fde2e2; }
ul.left-out li { margin: .2em 0; }
@page { size: A4; margin: 15mm; }
@media print {
  body { margin: 0; font-size: 10pt; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
  tr.wrong td, tr.shared td, thead th, tr.task th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
</style>
)";

std::string cell(const std::string& text, bool count = false) {
    return (count ? "<td class=\"count\">" : "<td>") + htmlEscaped(text) + "</td>";
}

std::string head(std::initializer_list<const char*> captions) {
    return "<table>\n<thead>" + htmlHeadRow(captions) + "</thead>\n<tbody>\n";
}

std::string studentTable(const ClassSummary& summary) {
    std::string text = head({"学号", "姓名", "文件", "次", "答对", "得分率", "备注"});
    for (const ClassStudent& s : summary.students) {
        const ExerciseSheet& sheet = s.sheet;
        text +=
            std::string(s.sharedNumber ? "<tr class=\"shared\">" : "<tr>") + cell(sheet.number) +
            cell(sheet.name) + cell(s.file) + cell(std::to_string(sheet.attempt), true) +
            cell(std::to_string(sheet.rights) + " / " + std::to_string(sheet.total), true) +
            cell(percentText(sheet.rights, sheet.total), true) + cell(studentRemark(s)) + "</tr>\n";
    }
    return text + "</tbody>\n</table>\n";
}

std::string stepTable(const ClassSummary& summary) {
    std::string text = head({"步", "答项", "应为", "答错", "错答"});
    std::size_t exercise = 0;
    for (const ClassStep& s : summary.steps) {
        if (s.exercise != exercise) {
            exercise = s.exercise;
            text += "<tr class=\"task\"><th colspan=\"5\">" + std::to_string(exercise) + ". " +
                    htmlEscaped(shownText(s.task)) + "</th></tr>\n";
        }
        text += std::string(s.wrong > 0 ? "<tr class=\"wrong\">" : "<tr>") +
                cell(std::to_string(s.iteration), true) + cell(s.item) +
                cell(shownText(s.expected)) +
                cell(std::to_string(s.wrong) + " / " + std::to_string(s.answered), true) +
                cell(wrongAnswersText(s)) + "</tr>\n";
    }
    return text + "</tbody>\n</table>\n";
}

std::string leftOutList(const ClassSummary& summary) {
    std::string text =
        "<h2>" + std::string(words::say("未计入的文件")) + "</h2>\n<ul class=\"left-out\">\n";
    for (const LeftOutFile& f : summary.leftOut) {
        text += "<li>" + words::fill("{1}：{2}", {htmlEscaped(f.file), htmlEscaped(f.reason)}) +
                "</li>\n";
    }
    return text + "</ul>\n";
}

}  // namespace

std::string classSummaryPage(const ClassSummary& summary, const std::string& date) {
    const std::string title = words::fill("班级汇总 {1}", {htmlEscaped(summary.code)});
    std::string page = htmlPageStart() + "<title>" + title + "</title>\n" + style +
                       "</head>\n<body>\n<h1>" + title + "</h1>\n";
    if (!date.empty()) page += "<p>" + htmlEscaped(date) + "</p>\n";
    page += "<p class=\"score\">" + htmlEscaped(summary.scoreText()) + "</p>\n";
    page += "<h2>" + std::string(words::say("学生")) + "</h2>\n" + studentTable(summary);
    page += "<h2>" + std::string(words::say("各步答错")) + "</h2>\n" + stepTable(summary);
    if (!summary.leftOut.empty()) page += leftOutList(summary);
    return page + "</body>\n</html>\n";
}

}  // namespace tarvo::teach
