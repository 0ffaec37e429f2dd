#include "motion/StepCsv.h"

#include "motion/NumberText.h"
#include "motion/StepText.h"

namespace tarvo::motion {

std::string stepCsvHeader() {
    return "line,step,method,gcode,regmax,jrx,jry,jrz,fm,px,py,pz,decision,feed,"
           "jrx_after,jry_after,jrz_after,fm_after,xcur,ycur,zcur,distance\n";
}

std::string stepCsvRow(const StepRecord& record) {
    const Registers& b = record.before;
    const Registers& a = record.after;
    // The remainder registers and their capacity belong to straight moves,
    // the deviation to arcs; the other method's cells stay empty.
    const bool line = record.method == Method::Integration;
    const auto number = [](double value) { return exactText(value) + ','; };
    const auto remainders = [&](const Registers& r) {
        return line ? number(r.jrx) + number(r.jry) + std::to_string(r.jrz) + ',' : ",,,";
    };
    const auto deviation = [&](const Registers& r) { return line ? "," : number(r.fm); };
    std::string row = std::to_string(record.line) + ',' + std::to_string(record.number) + ',';
    row += line ? "integration," : "comparison,";
    row += std::string(modeText(record.gmode)) + ',';
    row += (line ? number(record.regmax) : ",") + remainders(b) + deviation(b);
    row += number(b.px) + number(b.py) + number(b.pz);
    // Neither text holds a comma or a quote, so no field needs quoting.
    row += decisionText(record) + ',' + feedText(record) + ',';
    row += remainders(a) + deviation(a);
    row += number(record.point.x) + number(record.point.y) + number(record.point.z);
    row += exactText(record.distance) + '\n';
    return row;
}

std::string stepCsv(const std::deque<StepRecord>& rows) {
    std::string text = stepCsvHeader();
    for (const StepRecord& record : rows) text += stepCsvRow(record);
    return text;
}

}  // namespace tarvo::motion
