#include "teach/ideal/IdealPathFigure.h"

#include <algorithm>
#include <cmath>

#include "motion/exact/RoundedText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

std::string amount(double distance, double dlstep) {
    return words::fill("{1} 脉冲 ({2} mm)",
                       {motion::roundedText(dlstep > 0 ? distance / dlstep : 0, 2),
                        motion::roundedText(distance / 10, 3)});
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
    const std::string which = line != 0 ? words::fill("第{1}行", {std::to_string(line)})
                                        : std::string(words::say("本段"));
    const std::string part = segment ? amount(segment->deviation, dlstep) : "—";
    return words::fill("偏差：{1} {2}  全程 {3}",
                       {which, part, amount(deviation.runDeviation(), dlstep)});
}

}  // namespace tarvo::teach
