#pragma once

#include <string>

#include "cli/Options.h"

namespace tarvo::cli {

// Writes the worksheet and the answer key the options ask for, each whole
// or not at all (files/WholeFile.h). Returns the problem, empty when both
// were written.
std::string writePages(const Options& options);

}  // namespace tarvo::cli
