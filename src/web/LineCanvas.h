#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "views/Canvas.h"
#include "views/DrawingRecord.h"
#include "views/PixelLine.h"

namespace tarvo::web {

// A view whose page draws it: the lines drawn since the page last took them,
// in pixels of the square view the page shows, for the worker to hand over
// once a frame. It keeps the drawing (views::DrawingRecord) within a memory
// budget, so it hands the whole of it over again at a new size or after a
// step back cut it short, and holds its lines back while hidden.
class LineCanvas : public views::Canvas {
public:
    // 32 MiB of points (4 M): handed over whole, a drawing that size is a
    // frame's worth of lines for the page. Past it the view goes on drawing
    // but keeps nothing: a step back replays the run, and a new size leaves
    // the page to scale what it has.
    static constexpr std::size_t defaultBudget = std::size_t{32} << 20;
    static constexpr int defaultSize = 481;  // 7215 twips at 15 twips a pixel

    explicit LineCanvas(std::size_t budget = defaultBudget);

    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, int colour) override;
    void lineTo(float x, float y, int colour) override;
    void plot(float x, float y) override;
    void label(int leftTwips, int topTwips, std::string_view caption) override;
    void setVisible(bool visible) override;
    void setPointer(views::Pointer pointer) override;
    views::DrawingMark mark() const override;
    bool rewind(const views::DrawingMark& mark) override;

    // The page shows the view at this many pixels square: what is kept is
    // handed over again at that size.
    void resize(int size);
    int size() const { return size_; }
    // A pixel of the view (from its top-left corner) in its user units.
    float userX(double pixel) const;
    float userY(double pixel) const;
    // From its user units to pixels of the view.
    const views::PixelMap& pixelMap() const { return map_; }

    struct Label {
        int left, top;  // twips
        std::string caption;
    };
    // What the page has not yet been handed. `restart`: the view is to be
    // cleared first. `lines`: x1, y1, x2, y2 in pixels; `colours`: a palette
    // index a line.
    struct News {
        bool restart = false;
        std::vector<float> lines;
        std::vector<std::uint8_t> colours;
        bool labelsChanged = false;
        bool stateChanged = false;  // visibility or pointer
    };
    bool hasNews() const;
    // The news so far, forgotten here once taken.
    News takeNews();
    const std::vector<Label>& labels() const { return labels_; }
    bool visible() const { return visible_; }
    views::Pointer pointer() const { return pointer_; }
    bool keepsDrawing() const { return keeping_; }

private:
    void segment(float x1, float y1, float x2, float y2, std::int8_t colour);
    void hand(double x1, double y1, double x2, double y2, std::int8_t colour);
    void handAll();
    void keepWithinBudget();
    void restartRecord();

    std::size_t pointLimit_;  // floats the budget holds
    int size_ = defaultSize;
    float scale_[4] = {0, 0, 1, 1};
    views::PixelMap map_;
    views::DrawingRecord record_;
    bool keeping_ = true;  // the record holds every line since the last clear
    float currentX_ = 0, currentY_ = 0;
    std::uint64_t restarts_ = 0;  // clears and scale changes, as a mark counts them
    std::vector<Label> labels_;
    bool visible_ = false;
    views::Pointer pointer_ = views::Pointer::Arrow;
    bool stale_ = false;  // hidden, its news held back: handed over whole when shown
    News news_;
    // The end, in pixels, of the last line handed over, and its colour.
    double handedX_ = -1, handedY_ = -1;
    std::int8_t handedColour_ = -1;
};

}  // namespace tarvo::web
