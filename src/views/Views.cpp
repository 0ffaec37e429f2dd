#include "views/Views.h"

#include <array>

#include "views/Canvas.h"
#include "views/Palette.h"
#include "views/Projection.h"

namespace tarvo::views {

namespace {

struct Segment2 {
    double x1, y1, x2, y2;
    bool alongY = false;  // coordinates are multiples of the axonometric constant
};

struct Label {
    int left, top;  // twips from the view's top-left corner
    const char* caption;
};

// Axes in the views' own units before the magnification divides them: the
// axonometric view shows the positive half-axes 650 long, the plan view both
// axes across, each with a 30-unit arrowhead 10 to either side.
constexpr std::array<Segment2, 9> axonometricAxes{{
    {0, 0, 0, 650},
    {0, 650, -10, 620},
    {0, 650, 10, 620},
    {0, 0, -650, 0},
    {-650, 0, -620, 10},
    {-650, 0, -620, -10},
    {0, 0, 650, -650, true},
    {650, -650, 620, -640, true},
    {650, -650, 640, -620, true},
}};
constexpr std::array<Segment2, 6> planAxes{{
    {0, 750, 0, -750},
    {10, 720, 0, 750},
    {-10, 720, 0, 750},
    {-750, 0, 750, 0},
    {750, 0, 720, 10},
    {750, 0, 720, -10},
}};
constexpr std::array<Label, 4> axonometricLabels{
    {{360, 3600, "X"}, {5880, 5640, "Y"}, {4080, 480, "Z"}, {4060, 3688, "0"}}};
constexpr std::array<Label, 3> planLabels{{{6840, 3720, "X"}, {3800, 300, "Y"}, {3840, 3720, "0"}}};

// Clears a view, sets its scale (left, top, right, bottom before the
// magnification divides them), and draws and labels its axes.
template <std::size_t N, std::size_t M>
void drawFrame(Canvas& canvas, const std::array<double, 4>& scale,
               const std::array<Segment2, N>& axes, const std::array<Label, M>& labels,
               double bei) {
    canvas.clear();
    canvas.setScale(static_cast<float>(scale[0] / bei), static_cast<float>(scale[1] / bei),
                    static_cast<float>(scale[2] / bei), static_cast<float>(scale[3] / bei));
    for (const Segment2& s : axes) {
        // Along Y the coordinate is (c / bei) · k: divided first, then projected.
        const auto at = [&](double c) {
            return static_cast<float>(s.alongY ? c / bei * axoK : c / bei);
        };
        canvas.line(at(s.x1), at(s.y1), at(s.x2), at(s.y2), colour::brightWhite);
    }
    for (const Label& l : labels) canvas.label(l.left, l.top, l.caption);
}

}  // namespace

Views::Views(ViewCanvases canvases)
    : canvases_(canvases),
      pathDrawing_(canvases.linez, canvases.linep),
      magnified_(canvases.liner) {
    // Before the first run the plan view, topmost of the three, shows its
    // empty background.
    show(View::Plan);
}

void Views::show(View view) {
    shown_ = view;
    canvases_.linez.setVisible(view == View::Axonometric);
    canvases_.linep.setVisible(view == View::Plan);
    canvases_.liner.setVisible(view == View::Magnified);
}

void Views::drawxyz(std::int16_t bei) {
    drawFrame(canvases_.linez, {-700, 700, 600, -600}, axonometricAxes, axonometricLabels, bei);
    drawFrame(canvases_.linep, {-800, 800, 800, -800}, planAxes, planLabels, bei);
    canvases_.linep.plot(0, 0);
}

}  // namespace tarvo::views
