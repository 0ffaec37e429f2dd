#include "teach/exercises/WorksheetPage.h"

#include <string_view>

#include "teach/exercises/HtmlText.h"
#include "teach/exercises/PulseGridFigure.h"
#include "teach/exercises/WorksheetRows.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

// An exercise keeps its figure and its table on one page where they fit;
// a longer table goes on over the page with its head repeated, and no row
// is ever cut in two. Shading is printed, or the asked cells would vanish.
constexpr const char* style = R"(<style>
@page { size: A4; margin: 12mm; }
body { font-family: "Noto Sans CJK SC", "Microsoft YaHei", sans-serif; margin: 2em auto;
       max-width: 186mm; color: #000; font-size: 9pt; }
h1 { font-size: 1.5em; margin: 0 0 .4em; }
p.who { font-size: 1.1em; margin: .6em 0; }
p.who span { display: inline-block; min-width: 36mm; border-bottom: 1px solid #000; margin: 0 4mm 0 1mm; }
p.how { color: #333; margin: .3em 0 .8em; }
section { break-inside: avoid; margin-top: 6mm; }
h2 { font-size: 1.15em; margin: 0 0 .3em; }
p.given { margin: 0 0 .5em; }
div.task { display: flex; gap: 4mm; justify-content: space-between; align-items: flex-start;
           margin-bottom: 2mm; }
figure { margin: 0; width: 52mm; flex: none; }
figure svg { width: 100%; height: auto; }
table { border-collapse: collapse; width: 100%; table-layout: fixed; }
th, td { border: 1px solid #666; padding: .15em .35em; text-align: left; vertical-align: middle; }
thead th { background: #e8e8e8; }
td { height: 7mm; }
td.step { text-align: center; }
td:nth-child(2), td:nth-child(3) { white-space: nowrap; }
td.asked { background: #fff3c4; }
span.answer { font-weight: bold; }
svg text { font-size: 11px; fill: #333; }
svg .grid { stroke: #ccc; stroke-width: 1; }
svg .axis { stroke: #555; stroke-width: 1.5; }
svg .ideal { stroke: #1f5fbf; stroke-width: 2; fill: none; stroke-dasharray: 6 4; }
svg .staircase { stroke: #c00000; stroke-width: 2.5; fill: none; stroke-linejoin: round; }
svg .start { fill: #000; }
svg .end { fill: #fff; stroke: #000; stroke-width: 2; }
svg .centre { fill: #1f5fbf; }
@media print {
  body { margin: 0; max-width: none; }
  thead { display: table-header-group; }
  tr { break-inside: avoid; }
  thead th, td.asked { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
}
</style>
)";

// The working breaks its line where its parts meet, after "；" or "; ",
// found in the text itself: the escaped "&lt; " must not count.
std::string working(const std::string& text) {
    const auto partEndingAt = [&text](std::size_t at) -> std::size_t {
        for (const std::string_view part : {std::string_view("；"), std::string_view("; ")}) {
            if (text.compare(at, part.size(), part) == 0) return part.size();
        }
        return 0;
    };
    std::string html;
    std::size_t from = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t part = partEndingAt(at);
        at += part == 0 ? 1 : part;
        if (part == 0) continue;
        html += htmlEscaped(text.substr(from, at - from)) + "<br>";
        from = at;
    }
    return html + htmlEscaped(text.substr(from));
}

std::string cell(const BeatCell& beat, bool filled) {
    const bool asked = beat.answer.has_value();
    std::string text = asked ? "<td class=\"asked\">" : "<td>";
    if (!filled) return text + "</td>";
    text += working(beat.worked);
    if (asked) text += "<span class=\"answer\">" + htmlEscaped(*beat.answer) + "</span>";
    return text + "</td>";
}

// Room for the working each column holds: integration's sums are the longest.
const char* columns(motion::Method method) {
    if (method == motion::Method::Comparison) {
        return "<colgroup><col style=\"width: 7%\"><col style=\"width: 26%\">"
               "<col style=\"width: 11%\"><col style=\"width: 34%\"><col style=\"width: 22%\">"
               "</colgroup>\n";
    }
    return "<colgroup><col style=\"width: 6%\"><col style=\"width: 17%\">"
           "<col style=\"width: 10%\"><col style=\"width: 49%\"><col style=\"width: 18%\">"
           "</colgroup>\n";
}

std::string table(const WorksheetExercise& sheet, bool filled) {
    std::string text = "<table>\n" + std::string(columns(sheet.exercise.method)) +
                       "<thead><tr><th>" + std::string(words::say("步")) + "</th>";
    for (const char* caption : beatCaptions(sheet.exercise.method)) {
        text += "<th>" + htmlEscaped(std::string(words::say(caption))) + "</th>";
    }
    text += "</tr></thead>\n<tbody>\n";
    for (const WorksheetRow& row : sheet.rows) {
        text += "<tr><td class=\"step\">" + std::to_string(row.step) + "</td>";
        for (const BeatCell& beat : row.beats) text += cell(beat, filled);
        text += "</tr>\n";
    }
    return text + "</tbody>\n</table>\n";
}

std::string section(std::size_t number, const WorksheetExercise& sheet, bool filled) {
    return "<section>\n<div class=\"task\">\n<div>\n<h2>" + std::to_string(number) + ". " +
           htmlEscaped(sheet.exercise.text()) + "</h2>\n<p class=\"given\">" +
           htmlEscaped(sheet.given) + "</p>\n</div>\n<figure>\n" +
           pulseGridFigure(sheet.exercise, sheet.path, filled) + "</figure>\n</div>\n" +
           table(sheet, filled) + "</section>\n";
}

std::string page(const ExerciseCode& code, bool filled) {
    using words::say;
    const std::string title = words::fill(
        filled ? "插补练习答案　练习码 {1}" : "插补练习单　练习码 {1}", {htmlEscaped(code.text())});
    std::string text =
        htmlPageStart() + "<title>" + title + "</title>\n" + style + "</head>\n<body>\n<h1>" +
        title + "</h1>\n" + "<p class=\"who\">" + std::string(say("姓名")) + "<span></span>" +
        std::string(say("学号")) + "<span></span>" + std::string(say("日期")) +
        "<span></span></p>\n" + "<p class=\"how\">" +
        htmlEscaped(std::string(
            say("每一步按教材的四个节拍填写；底色格是练习中要作答的：逐点比较法每步的进给和新偏差 "
                "F，数字积分法每步溢出的寄存器（J_Rx、J_Ry，都不溢出写“无”）。"))) +
        "</p>\n";
    const std::vector<WorksheetExercise> sheets = worksheetExercises(code);
    for (std::size_t i = 0; i < sheets.size(); ++i) text += section(i + 1, sheets[i], filled);
    return text + "</body>\n</html>\n";
}

}  // namespace

std::string worksheetPage(const ExerciseCode& code) {
    return page(code, false);
}

std::string answerKeyPage(const ExerciseCode& code) {
    return page(code, true);
}

}  // namespace tarvo::teach
