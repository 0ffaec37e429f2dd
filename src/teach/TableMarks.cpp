#include "teach/TableMarks.h"

#include "teach/RegisterColumns.h"
#include "teach/TextbookColumns.h"

namespace tarvo::teach {

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
    return "答对 " + std::to_string(sheet.right()) + " / " + std::to_string(sheet.given());
}

}  // namespace tarvo::teach
