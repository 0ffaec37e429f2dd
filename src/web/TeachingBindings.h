#pragma once

#include <emscripten/val.h>
#include <string>

#include "web/MachineSession.h"

namespace tarvo::web {

// The teaching tools as the worker sees them: plain JavaScript objects and
// typed arrays, shaped as web/src/protocol.ts names them.
emscripten::val tableState(MachineSession& session);
emscripten::val tableRows(MachineSession& session, double first, double count, bool registers);
emscripten::val tableCsv(MachineSession& session);
void answersOn(MachineSession& session, bool on);
void answerFeed(MachineSession& session, int x, int y, const std::string& deviation);
void answerDeviation(MachineSession& session, const std::string& deviation);
void answerOverflow(MachineSession& session, bool x, bool y);
emscripten::val pulseState(MachineSession& session);
emscripten::val pulses(MachineSession& session, double from, double to);
// The selection messages, each answered with the step selected or null.
emscripten::val select(MachineSession& session, emscripten::val serial);
emscripten::val selectTick(MachineSession& session, double tick);
emscripten::val selectLine(MachineSession& session, double line);
emscripten::val selectPoint(MachineSession& session, double x, double y);
bool takeSelectionCleared(MachineSession& session);
// The plan view's overlay: the exact path from finished segment `from` on,
// the segment under way, the read-out and a picked line's steps (from 0; -1 none).
emscripten::val idealPath(MachineSession& session, double from, double line);

}  // namespace tarvo::web
