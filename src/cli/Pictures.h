#pragma once

#include <memory>
#include <string>

#include "cli/Options.h"
#include "cli/PicturesBuilt.h"
#include "views/Canvas.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::cli {

// The three views of a headless run, drawn offscreen and saved at its end as
// the options ask. A runner built without the render layer draws none.
class Pictures {
public:
    virtual ~Pictures() = default;

    // The canvases the machine draws its views into during the run.
    virtual views::ViewCanvases canvases() = 0;
    // Saves the views the options ask for, as they stand at the end of the
    // run; the magnified view as its pan mode draws it, after the requested
    // turns. Returns false with `error` set when a file cannot be written.
    virtual bool save(const Options& options, interp::Machine& machine, std::string& error) = 0;
};

// Pictures sized as the options say, or none when they ask for no picture.
// The command line is handed on to the offscreen GUI application that fonts
// for the views' labels need.
std::unique_ptr<Pictures> makePictures(const Options& options, int& argc, char** argv);

}  // namespace tarvo::cli
