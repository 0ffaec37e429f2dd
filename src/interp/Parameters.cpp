#include "interp/Parameters.h"

#include "interp/Messages.h"
#include "motion/exact/Rounding.h"

namespace tarvo::interp {

namespace {

using Fault = motion::DecimalReading::Fault;

std::optional<std::string_view> originProblem(const motion::DecimalReading& g54) {
    if (g54.exact()) return std::nullopt;
    return words::say(g54.fault == Fault::NotNumber ? messages::badOrigin
                                                    : messages::originUnrepresentable);
}

// UTF-8: the no-break space, the ideographic space, then ASCII white space.
constexpr std::string_view blanks[] = {"\xC2\xA0", "\xE3\x80\x80", " ",  "\t",
                                       "\n",       "\r",           "\v", "\f"};

std::string_view withoutBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : blanks) {
            if (text.starts_with(blank)) text.remove_prefix(blank.size()), trimmed = true;
            if (text.ends_with(blank)) text.remove_suffix(blank.size()), trimmed = true;
        }
    }
    return text;
}

}  // namespace

motion::DecimalReading readParameter(std::string_view text) {
    return motion::readDecimal(withoutBlanks(text));
}

std::optional<std::int16_t> readMagnification(std::string_view text) {
    const motion::DecimalReading reading = readParameter(text);
    if (!reading.exact()) return std::nullopt;
    return motion::toInt16(reading.value.toDouble());
}

std::optional<std::string_view> parameterProblem(const Parameters& p) {
    for (const motion::DecimalReading* g54 : {&p.g54x, &p.g54y, &p.g54z}) {
        if (const auto problem = originProblem(*g54)) return problem;
    }
    if (p.bei < 1 || p.bei > Parameters::maxBei) return words::say(messages::badMagnification);
    if (p.dl.fault == Fault::TooFine) return words::say(messages::pulseEquivalentTooFine);
    if (!p.dl.exact() || p.dl.value < Parameters::minDl || p.dl.value > Parameters::maxDl) {
        return words::say(messages::badPulseEquivalent);
    }
    return std::nullopt;
}

}  // namespace tarvo::interp
