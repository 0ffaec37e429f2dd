#include "teach/IdealPathFigure.h"

#include <algorithm>
#include <cmath>

#include "teach/RoundedText.h"

namespace tarvo::teach {

namespace {

std::string amount(double distance, double dlstep) {
    return roundedText(dlstep > 0 ? distance / dlstep : 0, 2) + " 脉冲 (" +
           roundedText(distance / 10, 3) + " mm)";
}

}  // namespace

std::vector<double> idealPolyline(const IdealSegment& s, double pixelsPerUnit) {
    if (!s.arc()) return {s.start.x, s.start.y, s.end.x, s.end.y};
    const double sweep = s.sweep();
    const double from = std::atan2(s.start.y - s.cy, s.start.x - s.cx);
    const double pixels = std::abs(sweep) * s.radius * std::abs(pixelsPerUnit);
    const int pieces = std::clamp(static_cast<int>(std::ceil(pixels / 3)), 4, 4096);
    std::vector<double> xy;
    xy.reserve(2 * static_cast<std::size_t>(pieces + 1));
    for (int i = 0; i <= pieces; ++i) {
        const double a = from + sweep * i / pieces;
        xy.push_back(s.cx + s.radius * std::cos(a));
        xy.push_back(s.cy + s.radius * std::sin(a));
    }
    return xy;
}

std::string deviationReadout(const PathDeviation& deviation, double dlstep, std::int64_t line) {
    const IdealSegment* segment = line != 0 ? deviation.ofLine(line) : deviation.current();
    const std::string which = line != 0 ? "第" + std::to_string(line) + "行" : "本段";
    const std::string part = segment ? amount(segment->deviation, dlstep) : "—";
    return "偏差：" + which + " " + part + "  全程 " + amount(deviation.runDeviation(), dlstep);
}

}  // namespace tarvo::teach
