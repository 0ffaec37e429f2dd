#pragma once

#include <string>

namespace tarvo::bench {

// A pocket of straight passes joined by half circles, cut 2 mm deep: at a
// pulse equivalent of 0.01 mm each pass is 8,000 steps, so `passes` passes
// make about passes × 8,000 steps plus the arcs.
std::string pocketProgram(int passes);

}  // namespace tarvo::bench
