#include "teach/exercises/ClassSummaryCsv.h"

#include <initializer_list>

#include "teach/exercises/CsvText.h"

namespace tarvo::teach {

namespace {

constexpr const char* byteOrderMark = "\xEF\xBB\xBF";

std::string line(std::initializer_list<std::string> fields) {
    std::string text;
    for (const std::string& f : fields) text += csvField(f) + ',';
    text.back() = '\n';
    return text;
}

}  // namespace

std::string studentRemark(const ClassStudent& student) {
    std::string remark;
    if (student.sheet.attempts > 1) {
        remark = "共 " + std::to_string(student.sheet.attempts) + " 次作答，取第 " +
                 std::to_string(student.sheet.attempt) + " 次";
    }
    if (student.sharedNumber) remark += std::string(remark.empty() ? "" : "；") + "学号重复";
    return remark;
}

std::string classStudentsCsv(const ClassSummary& summary) {
    std::string text = byteOrderMark + line({"代码", "学号", "姓名", "文件", "次", "日期", "时间",
                                             "答对", "总数", "得分率", "备注"});
    for (const ClassStudent& s : summary.students) {
        const ExerciseSheet& sheet = s.sheet;
        text +=
            line({sheet.code, sheet.number, sheet.name, s.file, std::to_string(sheet.attempt),
                  sheet.date, sheet.time, std::to_string(sheet.rights), std::to_string(sheet.total),
                  percentText(sheet.rights, sheet.total), studentRemark(s)});
    }
    for (const LeftOutFile& f : summary.leftOut) {
        text += line({"", "", "", f.file, "", "", "", "", "", "", "未计入：" + f.reason});
    }
    return text;
}

std::string classStepsCsv(const ClassSummary& summary) {
    std::string text = byteOrderMark + line({"代码", "题号", "题目", "步", "答项", "应为",
                                             "作答人数", "答错人数", "错答"});
    for (const ClassStep& s : summary.steps) {
        text += line({summary.code, std::to_string(s.exercise), s.task, std::to_string(s.iteration),
                      s.item, s.expected, std::to_string(s.answered), std::to_string(s.wrong),
                      wrongAnswersText(s, true)});
    }
    return text;
}

}  // namespace tarvo::teach
