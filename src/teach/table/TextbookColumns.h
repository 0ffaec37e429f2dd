#pragma once

#include <string>

#include "teach/table/RowTexts.h"
#include "teach/table/StepTable.h"

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

// The straight moves' registers count millimetres on the machine and
// pulses under a textbook method; the caption of 偏差计算 says which. The
// title is said in the language spoken.
const ColumnTitle& textbookTitle(int column, motion::Interpolation method);
// A title as the catalogue says it in English, its texts null-terminated as
// the Chinese are; a text the catalogue lacks stays Chinese.
ColumnTitle englishTitle(const ColumnTitle& chinese);

// The method of the table's rows: the run's, or the machine's while none is kept.
motion::Interpolation tableMethod(const StepTable& table);

// The cell's text in UTF-8 with the typographic minus "−", from the row's
// texts made once for all its cells.
std::string textbookCell(const motion::StepRecord& record, const RowTexts& texts, int column);

}  // namespace tarvo::teach
