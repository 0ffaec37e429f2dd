#include "teach/StepCsv.h"

#include "motion/NumberText.h"
#include "teach/StepText.h"

namespace tarvo::teach {

std::string stepCsvHeader() {
    return "line,step,method,gcode,regmax,jrx,jry,jrz,fm,px,py,pz,decision,feed,"
           "jrx_after,jry_after,jrz_after,fm_after,xcur,ycur,zcur,distance\n";
}

std::string stepCsvRow(const motion::StepRecord& record) {
    const motion::Registers& b = record.before;
    const motion::Registers& a = record.after;
    // The remainder registers and their capacity belong to straight moves,
    // the deviation to arcs; the other method's cells stay empty.
    const bool line = record.method == motion::Method::Integration;
    const auto number = [](auto value) { return motion::exactText(value) + ','; };
    const auto remainders = [&](const motion::Registers& r) {
        return line ? number(r.jrx) + number(r.jry) + std::to_string(r.jrz) + ',' : ",,,";
    };
    const auto deviation = [&](const motion::Registers& r) { return line ? "," : number(r.fm); };
    std::string row = std::to_string(record.line) + ',' + std::to_string(record.number) + ',';
    row += line ? "integration," : "comparison,";
    row += std::string(modeText(record.gmode)) + ',';
    row += (line ? number(record.regmax) : ",") + remainders(b) + deviation(b);
    row += number(b.px) + number(b.py) + number(b.pz);
    // Neither text holds a comma or a quote, so no field needs quoting.
    row += decisionText(record) + ',' + feedText(record) + ',';
    row += remainders(a) + deviation(a);
    row += number(record.point.x) + number(record.point.y) + number(record.point.z);
    row += motion::exactText(record.distance) + '\n';
    return row;
}

std::string stepCsv(const std::deque<motion::StepRecord>& rows) {
    std::string text = stepCsvHeader();
    for (const motion::StepRecord& record : rows) text += stepCsvRow(record);
    return text;
}

}  // namespace tarvo::teach
