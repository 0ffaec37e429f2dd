#pragma once

#include <string>

#include "teach/TextbookStep.h"

namespace tarvo::teach {

// The columns of the interpolation table in the textbook's units, as the
// window shows them and its CSV export writes them.
enum TextbookColumn {
    Line,
    Step,
    Judgement,    // 偏差判别
    Feed,         // 进给
    Calculation,  // 偏差计算
    Sigma,        // 终点判别: the end counter
    Distance,     // and the machine's distance test
    X,
    Y,
    Z,
    Deviation,
    TextbookColumns
};

struct ColumnTitle {
    const char* caption;  // with its unit
    const char* tip;
};

const ColumnTitle& textbookTitle(int column);

// The cell's text in UTF-8 with the typographic minus "−".
std::string textbookCell(const TextbookStep& step, int column);

}  // namespace tarvo::teach
