#include "teach/table/RegisterColumns.h"

#include <array>

#include "motion/exact/NumberText.h"
#include "teach/table/StepText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

constexpr ColumnTitle titles[registers::Columns] = {
    {"行", "程序行号"},
    {"步", "本段的第几次插补"},
    {"方法", "直线用数字积分，圆弧用逐点比较"},
    {"运算前",
     "本步开始时的寄存器：数字积分为余数寄存器 jrx、jry、jrz（毫米），"
     "逐点比较为偏差 fm 与 px、py 的符号"},
    {"判别", "数字积分：累加后达到容量 regmax 而溢出的寄存器；逐点比较：偏差的符号与所走的一步"},
    {"进给", "本步进给的轴与方向"},
    {"运算后", "本步之后的余数寄存器，或新的偏差 fm"},
    {"X", "新点 X，单位 0.1 毫米"},
    {"Y", "新点 Y，单位 0.1 毫米"},
    {"Z", "新点 Z，单位 0.1 毫米"},
    {"终点距离", "新点到本段终点的距离，单位 0.1 毫米；不足一步时本段结束"},
};

}  // namespace

const ColumnTitle& registerTitle(int column) {
    static const auto english = [] {
        std::array<ColumnTitle, registers::Columns> said;
        for (int c = 0; c < registers::Columns; ++c) said[c] = englishTitle(titles[c]);
        return said;
    }();
    return words::spoken() == words::Language::english ? english[column] : titles[column];
}

std::string registerCell(const motion::StepRecord& r, int column) {
    switch (column) {
        case registers::Line:
            return std::to_string(r.line);
        case registers::Step:
            return std::to_string(r.number);
        case registers::Method:
            return std::string(methodText(r.method));
        case registers::Before:
            return beforeText(r);
        case registers::Decision:
            return decisionText(r);
        case registers::Feed:
            return feedText(r);
        case registers::After:
            return afterText(r);
        case registers::X:
            return motion::exactText(r.point.x);
        case registers::Y:
            return motion::exactText(r.point.y);
        case registers::Z:
            return motion::exactText(r.point.z);
        case registers::Distance:
            return distanceText(r);
        default:
            return {};
    }
}

}  // namespace tarvo::teach
