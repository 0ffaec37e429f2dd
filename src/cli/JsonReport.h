#pragma once

#include <string>

#include "cli/Runner.h"

namespace tarvo::cli {

// The final state of a run as one JSON object on one line.
std::string jsonReport(End end, const Runner& runner);

// A short plain-text account of the same, for people.
std::string textReport(End end, const Runner& runner);

}  // namespace tarvo::cli
