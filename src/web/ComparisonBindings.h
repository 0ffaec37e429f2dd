#pragma once

#include <emscripten/val.h>
#include <string>

#include "web/MachineSession.h"

namespace tarvo::web {

// 方法对比 as the worker sees it, shaped as web/src/protocol.ts names it.
// Starts a comparison; why not (an unknown method), or null.
emscripten::val compare(MachineSession& session, const std::string& keyA, bool halfLoadA,
                        const std::string& keyB, bool halfLoadB);
// Runs about so many ticks more; whether the comparison goes on.
bool advanceComparison(MachineSession& session, double ticks);
void cancelComparison(MachineSession& session);
// The 'compared' message: running, or the two trials' figures side by side.
emscripten::val comparisonResult(MachineSession& session);

}  // namespace tarvo::web
