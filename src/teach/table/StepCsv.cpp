#include "teach/table/StepCsv.h"

#include "motion/Overloaded.h"
#include "motion/RegisterWidth.h"
#include "motion/exact/NumberText.h"
#include "teach/table/RowTexts.h"
#include "teach/table/StepTable.h"
#include "teach/table/StepText.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

constexpr const char* byteOrderMark = "\xEF\xBB\xBF";
constexpr const char* bitsCaption = "寄存器位数 N";

// The text with ASCII minus, quoted when it holds a comma or a quote,
// appended to a row without a copy of its own.
void appendField(std::string& row, std::string_view text) {
    const bool quoted = text.find_first_of(",\"") != std::string_view::npos;
    if (quoted) row += '"';
    constexpr std::string_view minus = "−";
    // Whole runs between the bytes that need a change are copied at once.
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = text.find_first_of(quoted ? "\"\xE2" : "\xE2", at);
        row.append(text.substr(at, next - at));
        if (next == std::string_view::npos) break;
        at = next;
        if (text.compare(at, minus.size(), minus) == 0) {
            row += '-';
            at += minus.size();
            continue;
        }
        if (text[at] == '"') row += '"';
        row += text[at++];
    }
    if (quoted) row += '"';
}

std::string field(const std::string& text) {
    std::string row;
    appendField(row, text);
    return row;
}

// A textbook iteration's registers in pulses: a DDA's remainders, a
// comparison's deviation.
std::string pulseCells(const motion::StepRecord& record, bool after) {
    return std::visit(Overloaded{[after](const ComparisonStep& c) {
                                     return ",,," + std::to_string(after ? c.fAfter : c.f) + ',';
                                 },
                                 [after](const IntegrationStep& s) {
                                     return std::to_string(after ? s.jrxAfter : s.jrx) + ',' +
                                            std::to_string(after ? s.jryAfter : s.jry) + ",,,";
                                 }},
                      *record.pulses);
}

// A textbook DDA's capacity 2^N; empty for the other rows.
std::string capacityCell(const motion::StepRecord& record) {
    return std::visit(
               Overloaded{[](const ComparisonStep&) { return std::string(); },
                          [](const IntegrationStep& s) { return std::to_string(s.capacity); }},
               *record.pulses) +
           ',';
}

// The width N of a textbook DDA's registers; empty for the other rows.
std::string bitsCell(const motion::StepRecord& record) {
    if (!record.pulses) return std::string();
    return std::visit(Overloaded{[](const ComparisonStep&) { return std::string(); },
                                 [](const IntegrationStep& s) {
                                     return std::to_string(motion::bitsOfCapacity(s.capacity));
                                 }},
                      *record.pulses);
}

std::string registerCells(const motion::StepRecord& record, const motion::Registers& r) {
    const auto number = [](auto value) { return motion::exactText(value) + ','; };
    // The remainder registers belong to straight moves, the deviation to
    // arcs; the other method's cells stay empty.
    if (record.method == motion::Method::Integration) {
        return number(r.jrx) + number(r.jry) + std::to_string(r.jrz) + ",,";
    }
    return ",,," + number(r.fm);
}

}  // namespace

std::string stepCsvHeader() {
    return std::string(byteOrderMark) +
           "line,step,method,gcode,feed,x,y,z,F,sigma,judgement,calculation,end_test,"
           "regmax,jrx,jry,jrz,fm,px,py,pz,decision,"
           "jrx_after,jry_after,jrz_after,fm_after,xcur,ycur,zcur,distance,bits\n";
}

std::string stepCsvRow(const TextbookStep& step) {
    std::string row;
    appendStepCsvRow(row, step);
    return row;
}

void appendStepCsvRow(std::string& row, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    const bool line = r.method == motion::Method::Integration;
    const auto number = [&row](auto value) {
        row += motion::exactText(value);
        row += ',';
    };
    const auto text = [&row](std::string_view cell) {
        appendField(row, cell);
        row += ',';
    };
    const RowTexts texts = rowTexts(step);
    row += std::to_string(r.line);
    row += ',';
    row += std::to_string(r.number);
    row += line ? ",integration," : ",comparison,";
    row += modeText(r.gmode);
    row += ',';
    text(texts.feed);
    text(texts.x);
    text(texts.y);
    text(texts.z);
    text(texts.deviation);
    row += texts.sigmaCell;
    row += ',';
    text(texts.judgement);
    text(texts.calculation);
    text(texts.distance);
    if (r.pulses) {
        row += capacityCell(r);
        row += pulseCells(r, false);
    } else {
        if (line) {
            number(r.regmax);
        } else {
            row += ',';
        }
        row += registerCells(r, r.before);
    }
    number(r.before.px);
    number(r.before.py);
    number(r.before.pz);
    text(decisionText(r));
    row += r.pulses ? pulseCells(r, true) : registerCells(r, r.after);
    number(r.point.x);
    number(r.point.y);
    number(r.point.z);
    row += motion::exactText(r.distance());
    row += ',';
    row += bitsCell(r);
    row += '\n';
}

std::string textbookCsv(const StepTable& table) {
    std::string text = byteOrderMark;
    // A DDA's rows say the width of the registers they overflowed, which a
    // segment may have widened beyond the one chosen.
    const bool widths = tableMethod(table) == motion::Interpolation::Integration;
    for (int column = 0; column < TextbookColumns; ++column) {
        // The caption's unit follows it on the same line.
        std::string caption = textbookTitle(column, tableMethod(table)).caption;
        std::erase(caption, '\n');
        text += (column == 0 ? "" : ",") + field(caption);
    }
    text += widths ? std::string(",") + bitsCaption + '\n' : "\n";
    for (std::uint64_t serial = table.firstSerial(); serial < table.endSerial(); ++serial) {
        const TextbookStep step = table.textbookAt(serial);
        const RowTexts texts = rowTexts(step);
        for (int column = 0; column < TextbookColumns; ++column) {
            text += (column == 0 ? "" : ",") + field(textbookCell(step.record, texts, column));
        }
        text += widths ? ',' + bitsCell(step.record) + '\n' : "\n";
    }
    return text;
}

}  // namespace tarvo::teach
