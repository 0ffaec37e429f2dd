#include "teach/table/BeatWords.h"

#include "interp/Messages.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

using words::Language;

// The catalogue's English of a text, or the text itself in Chinese.
std::string_view in(Language language, std::string_view chinese) {
    if (language == Language::chinese) return chinese;
    const std::string_view* english = words::english(chinese);
    return english ? *english : chinese;
}

BeatWords wordsIn(Language l) {
    return {in(l, "、"),
            in(l, "无溢出"),
            in(l, " 溢出"),
            in(l, "JRx、JRy 溢出"),
            in(l, "JRx 溢出"),
            in(l, "JRy 溢出"),
            in(l, " 保持"),
            in(l, ", 余 "),
            in(l, "; Y = 0 按上半平面"),
            in(l, "; X = 0 按右半平面"),
            in(l, " < 1; 到终点"),
            in(l, "; 计数到 0"),
            in(l, "; 终点取整为 "),
            in(l, "; 起点、终点取整为 "),
            in(l, " 脉冲"),
            in(l, "; Ye = 0 在 "),
            in(l, " 轴上，按 "),
            in(l, "; Xe = 0 在 "),
            in(l, " 轴上，X 不进给，按 F < 0 进给 "),
            in(l, "含 Z 轴，按机床数字积分"),
            in(l, interp::messages::fullCircle)};
}

}  // namespace

const BeatWords& beatWords() {
    static const BeatWords chinese = wordsIn(Language::chinese);
    static const BeatWords english = wordsIn(Language::english);
    return words::spoken() == Language::chinese ? chinese : english;
}

}  // namespace tarvo::teach
