#pragma once

#include <cstdint>

#include "views/Canvas.h"
#include "views/MagnifiedView.h"
#include "views/PathDrawing.h"

namespace tarvo::views {

enum class View { Axonometric, Plan, Magnified };

// The three views that lie on the same place: axonometric `linez`, plan
// `linep` and magnified `liner`. Exactly one is shown after any switch.
class Views {
public:
    explicit Views(ViewCanvases canvases);

    void show(View view);
    View shown() const { return shown_; }

    // Clears the axonometric and plan views, sets their scales for the
    // magnification and draws and labels their axes. The plan view's drawing
    // position is left at the origin, where the run's path starts.
    void drawxyz(std::int16_t bei);

    PathDrawing& pathDrawing() { return pathDrawing_; }
    MagnifiedView& magnified() { return magnified_; }
    const PathDrawing& pathDrawing() const { return pathDrawing_; }
    const MagnifiedView& magnified() const { return magnified_; }
    const ViewCanvases& canvases() const { return canvases_; }

private:
    ViewCanvases canvases_;
    View shown_ = View::Plan;
    PathDrawing pathDrawing_;
    MagnifiedView magnified_;
};

}  // namespace tarvo::views
