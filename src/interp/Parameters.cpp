#include "interp/Parameters.h"

#include <cmath>

#include "interp/Messages.h"

namespace tarvo::interp {

std::optional<std::string_view> parameterProblem(const Parameters& p) {
    if (!std::isfinite(p.g54x) || !std::isfinite(p.g54y) || !std::isfinite(p.g54z)) {
        return messages::badOrigin;
    }
    if (p.bei < 1 || p.bei > Parameters::maxBei) return messages::badMagnification;
    if (!(p.dl >= Parameters::minDl && p.dl <= Parameters::maxDl)) {
        return messages::badPulseEquivalent;
    }
    return std::nullopt;
}

}  // namespace tarvo::interp
