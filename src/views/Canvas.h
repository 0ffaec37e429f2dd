#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvo::views {

enum class Pointer { Arrow, Hand, Cross };

struct PixelPen;

// How far a canvas's drawing had come: what a step back rubs out after it.
struct DrawingMark {
    std::uint64_t restarts = 0;  // clears and scale changes so far
    std::size_t runs = 0, lastRunPoints = 0, points = 0;
    float x = 0, y = 0;  // the drawing position
};

// The pointer's buttons during a move over a view: a drag is the left button
// held alone.
enum class Buttons { None, LeftAlone, Other };

// A drawing surface with a user scale, as each view of the machine has. The
// core calls it while it runs; the shell renders it. Coordinates are in the
// view's user units (internal units divided as the scale says), vertical
// growing upwards, handed over as 32-bit floats. Colours are palette indexes.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Clears the drawing to the background; labels stay.
    virtual void clear() = 0;
    // The user units at the left, top, right and bottom edges.
    virtual void setScale(float left, float top, float right, float bottom) = 0;
    // A line between two points; the end becomes the current drawing position.
    virtual void line(float x1, float y1, float x2, float y2, int colour) = 0;
    // A line from the current drawing position, which then moves to its end.
    virtual void lineTo(float x, float y, int colour) = 0;
    // Plots a point in the foreground colour (black); it becomes the position.
    virtual void plot(float x, float y) = 0;
    // lineTo for the entries 0, stride, 2·stride, … below `count` of two
    // coordinate lists: a whole polyline replayed in one call.
    virtual void polylineTo(const double* xs, const double* ys, std::size_t count,
                            std::size_t stride, int colour) {
        for (std::size_t i = 0; i < count; i += stride) {
            lineTo(static_cast<float>(xs[i]), static_cast<float>(ys[i]), colour);
        }
    }
    // Sets the caption of the fixed label whose top-left corner is at
    // (left, top) twips from the view's top-left corner (the view is 7215 twips square).
    virtual void label(int leftTwips, int topTwips, std::string_view caption) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setPointer(Pointer pointer) = 0;

    // Called by a step back: rubs out what was drawn after the mark. A canvas
    // that keeps no record of its drawing, or that was cleared or rescaled
    // since the mark, answers false and the run is drawn again from its start.
    virtual DrawingMark mark() const { return {}; }
    virtual bool rewind(const DrawingMark&) { return false; }

    // A canvas that paints straight into pixels nobody sees before the end,
    // keeping no record, hands out its pen: the path drawing then paints the
    // steps with it, as line() and lineTo() would, without a call per line.
    virtual PixelPen* pen() { return nullptr; }
};

// A canvas that keeps nothing: for runs nobody watches.
class BlindCanvas : public Canvas {
public:
    void clear() override {}
    void setScale(float, float, float, float) override {}
    void line(float, float, float, float, int) override {}
    void lineTo(float, float, int) override {}
    void plot(float, float) override {}
    void label(int, int, std::string_view) override {}
    void setVisible(bool) override {}
    void setPointer(Pointer) override {}
    bool rewind(const DrawingMark&) override { return true; }
};

// The canvases of the three views, as the machine draws into them.
struct ViewCanvases {
    Canvas& linez;  // axonometric
    Canvas& linep;  // plan
    Canvas& liner;  // magnified
};

}  // namespace tarvo::views
