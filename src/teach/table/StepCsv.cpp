#include "teach/table/StepCsv.h"

#include <cstdint>
#include <cstring>

#include "motion/Overloaded.h"
#include "motion/RegisterWidth.h"
#include "teach/table/RowTexts.h"
#include "teach/table/StepCsvRows.h"
#include "teach/table/StepTable.h"
#include "teach/table/StepText.h"
#include "teach/table/TextbookColumns.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

constexpr const char* byteOrderMark = "\xEF\xBB\xBF";

constexpr char lead = '\xE2';  // "−" is E2 88 92; ≥, →, ≈ and — begin with E2 too

// Which of the bytes a field may need changed it holds, eight bytes at a
// time: a byte of a word equal to b leaves a zero byte in word ^ b…b, whose
// borrow sets its high bit.
struct FieldBytes {
    bool comma = false, quote = false, lead = false;
};

FieldBytes scan(std::string_view text) {
    constexpr std::uint64_t ones = 0x0101010101010101U, highs = 0x8080808080808080U;
    const auto holds = [](std::uint64_t word, unsigned char b) {
        const std::uint64_t x = word ^ (ones * b);
        return ((x - ones) & ~x & highs) != 0;
    };
    FieldBytes found;
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        found.comma |= holds(word, ',');
        found.quote |= holds(word, '"');
        found.lead |= holds(word, static_cast<unsigned char>(lead));
    }
    for (; at < text.size(); ++at) {
        found.comma |= text[at] == ',';
        found.quote |= text[at] == '"';
        found.lead |= text[at] == lead;
    }
    return found;
}

bool minusAt(std::string_view text, std::size_t at) {
    return at + 2 < text.size() && text[at] == lead && text[at + 1] == '\x88' &&
           text[at + 2] == '\x92';
}

// The text with ASCII minus, quoted when it holds a comma or a quote,
// appended to a row without a copy of its own. Most texts need no change
// and go in whole; in the others, whole runs between the bytes that need a
// change are copied at once.
void appendField(std::string& row, std::string_view text) {
    const FieldBytes bytes = scan(text);
    const bool quoted = bytes.comma || bytes.quote;
    if (quoted) row += '"';
    std::size_t run = 0;
    if (bytes.quote) {
        for (std::size_t at = 0; at < text.size(); ++at) {
            if (text[at] == '"') {
                row.append(text.data() + run, at + 1 - run);
                run = at;  // the quote again, doubled
            } else if (minusAt(text, at)) {
                row.append(text.data() + run, at - run) += '-';
                run = at + 3;
            }
        }
    } else if (bytes.lead) {
        for (std::size_t at = text.find(lead); at != std::string_view::npos;
             at = text.find(lead, at + 1)) {
            if (!minusAt(text, at)) continue;
            row.append(text.data() + run, at - run) += '-';
            run = at + 3;
        }
    }
    row.append(text.data() + run, text.size() - run);
    if (quoted) row += '"';
}

std::string field(const std::string& text) {
    std::string row;
    appendField(row, text);
    return row;
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

}  // namespace

std::string stepCsvHeader() {
    return std::string(byteOrderMark) +
           "line,step,method,gcode,feed,x,y,z,F,sigma,judgement,calculation,end_test,"
           "regmax,jrx,jry,jrz,fm,px,py,pz,decision,"
           "jrx_after,jry_after,jrz_after,fm_after,xcur,ycur,zcur,distance,bits\n";
}

std::string stepCsvRow(const TextbookStep& step) {
    StepCsvRows rows;
    rows.add(step);
    return std::string(rows.text());
}

std::string textbookCsv(const StepTable& table) {
    std::string text = byteOrderMark;
    // A DDA's rows say the width of the registers they overflowed, which a
    // segment may have widened beyond the one chosen.
    const bool widths = tableMethod(table) == motion::Interpolation::Integration;
    for (int column = 0; column < TextbookColumns; ++column) {
        // The caption's unit follows it on the same line, after a space
        // where its bracket is a narrow one.
        std::string caption = textbookTitle(column, tableMethod(table)).caption;
        for (std::size_t at = caption.find('\n'); at != std::string::npos;
             at = caption.find('\n', at)) {
            if (caption.compare(at + 1, 1, "(") == 0) {
                caption[at] = ' ';
            } else {
                caption.erase(at, 1);
            }
        }
        text += (column == 0 ? "" : ",") + field(caption);
    }
    text += widths ? "," + std::string(words::say("寄存器位数 N")) + '\n' : "\n";
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
