#include "interp/Parameters.h"

#include "interp/Messages.h"

namespace tarvo::interp {

namespace {

using Fault = motion::DecimalReading::Fault;

std::optional<std::string_view> originProblem(const motion::DecimalReading& g54) {
    if (g54.exact()) return std::nullopt;
    return g54.fault == Fault::NotNumber ? messages::badOrigin : messages::originUnrepresentable;
}

}  // namespace

std::optional<std::string_view> parameterProblem(const Parameters& p) {
    for (const motion::DecimalReading* g54 : {&p.g54x, &p.g54y, &p.g54z}) {
        if (const auto problem = originProblem(*g54)) return problem;
    }
    if (p.bei < 1 || p.bei > Parameters::maxBei) return messages::badMagnification;
    if (p.dl.fault == Fault::TooFine) return messages::pulseEquivalentTooFine;
    if (!p.dl.exact() || p.dl.value < Parameters::minDl || p.dl.value > Parameters::maxDl) {
        return messages::badPulseEquivalent;
    }
    return std::nullopt;
}

}  // namespace tarvo::interp
