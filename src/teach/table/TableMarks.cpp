#include "teach/table/TableMarks.h"

#include "teach/table/RegisterColumns.h"
#include "teach/table/TextbookColumns.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

std::string_view hiddenTip() {
    return words::say("先作答，再看本步");
}

std::string_view deviationRefused() {
    return words::say("新偏差 F 应为整数，如 −3");
}

const Graded* markedAt(const AnswerSheet::Answers& answers, int column, bool registers) {
    const std::optional<Graded>* marked = nullptr;
    if (column == (registers ? int{registers::Feed} : int{Feed})) {
        marked = &answers.feed;
    } else if (column == (registers ? int{registers::After} : int{Calculation})) {
        marked = &answers.deviation;
    } else if (column == (registers ? int{registers::Decision} : int{Judgement})) {
        marked = &answers.overflow;
    }
    return marked && *marked ? &**marked : nullptr;
}

std::string scoreText(const AnswerSheet& sheet) {
    return words::fill("答对 {1} / {2}",
                       {std::to_string(sheet.right()), std::to_string(sheet.given())});
}

}  // namespace tarvo::teach
