#include "teach/table/TextbookColumns.h"

#include <array>

#include "teach/table/PulseText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

constexpr ColumnTitle titles[TextbookColumns] = {
    {"行", "程序行号"},
    {"步", "本段的第几次插补"},
    {"偏差判别",
     "圆弧：偏差 F 的符号与象限的进给规则（SR 顺圆，NR 逆圆）；直线：累加后溢出的积分寄存器"},
    {"进给", "本步进给的轴与方向"},
    {"偏差计算\n（直线：毫米）",
     "圆弧：新偏差 F = F ± 2×坐标 + 1（脉冲²）；直线：积分寄存器 JR 的累加与容量比较，单位毫米"},
    {"Σ",
     "终点计数：余下的步数，每步减一（直线为累加次数）；无整数解时为 —；"
     "数字积分法的圆弧每轴一个计数器 Σx、Σy"},
    {"终点距离\n（步）", "机床的终点判别：新点到终点的距离，不足一步时本段结束"},
    {"X\n（脉冲）", "新点 X：圆弧相对圆心，直线相对起点"},
    {"Y\n（脉冲）", "新点 Y：圆弧相对圆心，直线相对起点"},
    {"Z\n（脉冲）", "直线的新点 Z，相对起点"},
    {"F\n（脉冲²）", "圆弧本步之后的偏差 F = X² + Y² − R²"},
};

}  // namespace

ColumnTitle englishTitle(const ColumnTitle& chinese) {
    const auto said = [](const char* text) {
        const std::string_view* english = words::english(text);
        return english ? english->data() : text;
    };
    return {said(chinese.caption), said(chinese.tip)};
}

const ColumnTitle& textbookTitle(int column, motion::Interpolation method) {
    static constexpr ColumnTitle inPulses = {
        "偏差计算\n（脉冲）",
        "逐点比较法：新偏差 F 的算式；数字积分法：积分寄存器 JR 的累加与容量 2^N 比较；单位脉冲"};
    static const auto english = [] {
        std::array<ColumnTitle, TextbookColumns + 1> said;
        for (int c = 0; c < TextbookColumns; ++c) said[c] = englishTitle(titles[c]);
        said[TextbookColumns] = englishTitle(inPulses);
        return said;
    }();
    const bool pulses = method != motion::Interpolation::Machine;
    const int at = column == Calculation && pulses ? int{TextbookColumns} : column;
    if (words::spoken() == words::Language::english) return english[at];
    return at == TextbookColumns ? inPulses : titles[at];
}

motion::Interpolation tableMethod(const StepTable& table) {
    return table.empty() ? motion::Interpolation::Machine : table.newest().interpolation;
}

std::string textbookCell(const motion::StepRecord& record, const RowTexts& texts, int column) {
    switch (column) {
        case Line:
            return std::to_string(record.line);
        case Step:
            return record.skipped ? "—" : std::to_string(record.number);
        case Judgement:
            return texts.judgement;
        case Feed:
            return texts.feed;
        case Calculation:
            return texts.calculation;
        case Sigma:
            return texts.sigma;
        case Distance:
            return texts.distance;
        case X:
            return withMinusSign(texts.x);
        case Y:
            return withMinusSign(texts.y);
        case Z:
            return withMinusSign(texts.z);
        case Deviation:
            return withMinusSign(texts.deviation);
        default:
            return {};
    }
}

}  // namespace tarvo::teach
