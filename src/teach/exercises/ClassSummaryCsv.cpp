#include "teach/exercises/ClassSummaryCsv.h"

#include <initializer_list>

#include "teach/exercises/CsvText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

constexpr const char* byteOrderMark = "\xEF\xBB\xBF";

std::string line(std::initializer_list<std::string> fields) {
    std::string text;
    for (const std::string& f : fields) text += csvField(f) + ',';
    text.back() = '\n';
    return text;
}

// The head line of captions said in the language spoken.
std::string headLine(std::initializer_list<const char*> captions) {
    std::string text;
    for (const char* c : captions) text += csvField(std::string(words::say(c))) + ',';
    text.back() = '\n';
    return text;
}

}  // namespace

std::string studentRemark(const ClassStudent& student) {
    std::string remark;
    if (student.sheet.attempts > 1) {
        remark = words::fill("共 {1} 次作答，取第 {2} 次", {std::to_string(student.sheet.attempts),
                                                            std::to_string(student.sheet.attempt)});
    }
    if (student.sharedNumber) {
        const std::string_view shared = words::say("学号重复");
        remark = remark.empty() ? std::string(shared) : words::fill("{1}；{2}", {remark, shared});
    }
    return remark;
}

std::string classStudentsCsv(const ClassSummary& summary) {
    std::string text = byteOrderMark + headLine({"代码", "学号", "姓名", "文件", "次", "日期",
                                                 "时间", "答对", "总数", "得分率", "备注"});
    for (const ClassStudent& s : summary.students) {
        const ExerciseSheet& sheet = s.sheet;
        text +=
            line({sheet.code, sheet.number, sheet.name, s.file, std::to_string(sheet.attempt),
                  sheet.date, sheet.time, std::to_string(sheet.rights), std::to_string(sheet.total),
                  percentText(sheet.rights, sheet.total), studentRemark(s)});
    }
    for (const LeftOutFile& f : summary.leftOut) {
        text += line(
            {"", "", "", f.file, "", "", "", "", "", "", words::fill("未计入：{1}", {f.reason})});
    }
    return text;
}

std::string classStepsCsv(const ClassSummary& summary) {
    std::string text = byteOrderMark + headLine({"代码", "题号", "题目", "步", "答项", "应为",
                                                 "作答人数", "答错人数", "错答"});
    for (const ClassStep& s : summary.steps) {
        text += line({summary.code, std::to_string(s.exercise), s.task, std::to_string(s.iteration),
                      s.item, s.expected, std::to_string(s.answered), std::to_string(s.wrong),
                      wrongAnswersText(s, true)});
    }
    return text;
}

}  // namespace tarvo::teach
