#pragma once

#include <string>

#include "cli/Options.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::app {
class RasterCanvas;
}

namespace tarvo::cli {

// The three views of a headless run, drawn offscreen.
struct ViewImages {
    app::RasterCanvas& linez;
    app::RasterCanvas& linep;
    app::RasterCanvas& liner;
};

// Saves the views the options ask for, as they stand at the end of the run;
// the magnified view as its pan mode draws it, after the requested turns.
// Returns false with `error` set when a file cannot be written.
bool exportViews(const Options& options, interp::Machine& machine, const ViewImages& images,
                 std::string& error);

}  // namespace tarvo::cli
