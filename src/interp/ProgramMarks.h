#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "interp/Parameters.h"

namespace tarvo::interp {

// The marks a run puts on the program's lines, counted from 0 as the panel
// gives them: the error that stopped it and the warnings it passed.
struct ProgramMarks {
    std::int64_t errorLine = -1;  // -1: no error
    std::string error;
    std::map<std::int64_t, std::string> warnings;
};

// The marks of a run of `program`, said again in the language spoken now,
// for a shell that switches language while its editor shows them: the
// program runs again on a machine nobody watches, with the same parameters,
// until it has marked every line of `lines`, ends, or has made `tickLimit`
// timer ticks. The run is the same as the first, tick by tick, so it marks
// the same lines with the same words; it stops as soon as it reaches the
// last of them. Called on the shell's thread; it takes as long as the first
// run took to reach those lines without drawing anything.
ProgramMarks programMarksAgain(std::string_view program, const Parameters& parameters,
                               const std::set<std::int64_t>& lines, std::uint64_t tickLimit);

}  // namespace tarvo::interp
