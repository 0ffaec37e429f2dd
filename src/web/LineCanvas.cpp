#include "web/LineCanvas.h"

#include <cmath>

#include "views/Palette.h"

namespace tarvo::web {

namespace {

// The palette index of a pixel colour the drawing record hands back.
std::int8_t paletteIndex(std::uint32_t pixel) {
    for (std::size_t i = 0; i < views::palette.size(); ++i) {
        if (views::pixelOf(views::palette[i]) == pixel) return static_cast<std::int8_t>(i);
    }
    return views::colour::black;
}

bool samePixel(double x1, double y1, double x2, double y2) {
    return std::floor(x1) == std::floor(x2) && std::floor(y1) == std::floor(y2);
}

}  // namespace

LineCanvas::LineCanvas(std::size_t budget) : pointLimit_(budget / sizeof(float)) {
    clear();
}

void LineCanvas::restartRecord() {
    record_.restart(scale_, keeping_);
    keeping_ = true;
}

void LineCanvas::clear() {
    ++restarts_;
    restartRecord();
    stale_ = false;
    news_.restart = true;
    news_.lines.clear();
    news_.colours.clear();
    handedColour_ = -1;
}

void LineCanvas::setScale(float left, float top, float right, float bottom) {
    ++restarts_;
    scale_[0] = left;
    scale_[1] = top;
    scale_[2] = right;
    scale_[3] = bottom;
    if (keeping_) record_.setScale(scale_);
    map_ = views::PixelMap(left, top, right, bottom, size_, size_);
}

void LineCanvas::segment(float x1, float y1, float x2, float y2, std::int8_t colour) {
    if (keeping_) {
        record_.line(x1, y1, x2, y2, colour);
        keepWithinBudget();
    }
    currentX_ = x2;
    currentY_ = y2;
    if (!visible_ && keeping_) {
        stale_ = true;
        return;
    }
    hand(map_.x(x1), map_.y(y1), map_.x(x2), map_.y(y2), colour);
}

void LineCanvas::line(float x1, float y1, float x2, float y2, int colour) {
    segment(x1, y1, x2, y2, static_cast<std::int8_t>(colour & 15));
}

void LineCanvas::lineTo(float x, float y, int colour) {
    segment(currentX_, currentY_, x, y, static_cast<std::int8_t>(colour & 15));
}

void LineCanvas::plot(float x, float y) {
    if (keeping_) {
        record_.plot(x, y);
        keepWithinBudget();
    }
    currentX_ = x;
    currentY_ = y;
    if (!visible_ && keeping_) {
        stale_ = true;
        return;
    }
    const double px = map_.x(x), py = map_.y(y);
    hand(px, py, px, py, views::colour::black);
}

// A line that begins and ends in the pixel the last one ended in, in its
// colour, adds nothing to the page's picture: a slow step of a long run
// often does not leave its pixel.
void LineCanvas::hand(double x1, double y1, double x2, double y2, std::int8_t colour) {
    if (colour == handedColour_ && samePixel(x1, y1, handedX_, handedY_) &&
        samePixel(x2, y2, handedX_, handedY_)) {
        return;
    }
    for (const double v : {x1, y1, x2, y2}) news_.lines.push_back(static_cast<float>(v));
    news_.colours.push_back(static_cast<std::uint8_t>(colour));
    handedX_ = x2;
    handedY_ = y2;
    handedColour_ = colour;
}

void LineCanvas::handAll() {
    news_.restart = true;
    news_.lines.clear();
    news_.colours.clear();
    handedColour_ = -1;
    const auto handOne = [this](double x1, double y1, double x2, double y2, std::uint32_t pixel) {
        hand(x1, y1, x2, y2, paletteIndex(pixel));
    };
    record_.forEachLine(size_, handOne, true);
    stale_ = false;
}

// Past the budget the record goes; what it held back while hidden is handed
// over first.
void LineCanvas::keepWithinBudget() {
    if (record_.floats() <= pointLimit_) return;
    if (stale_) handAll();
    ++restarts_;
    record_.restart(scale_, false);
    keeping_ = false;
}

void LineCanvas::label(int leftTwips, int topTwips, std::string_view caption) {
    news_.labelsChanged = true;
    for (Label& l : labels_) {
        if (l.left == leftTwips && l.top == topTwips) {
            l.caption = std::string(caption);
            return;
        }
    }
    labels_.push_back({leftTwips, topTwips, std::string(caption)});
}

void LineCanvas::setVisible(bool visible) {
    visible_ = visible;
    news_.stateChanged = true;
    if (visible_ && stale_) handAll();
}

void LineCanvas::setPointer(views::Pointer pointer) {
    pointer_ = pointer;
    news_.stateChanged = true;
}

views::DrawingMark LineCanvas::mark() const {
    record_.freeze();
    return {restarts_,        record_.runs(), record_.lastRunPoints(),
            record_.floats(), currentX_,      currentY_};
}

bool LineCanvas::rewind(const views::DrawingMark& mark) {
    if (!keeping_ || mark.restarts != restarts_) return false;
    record_.cutBack(mark.runs, mark.lastRunPoints, mark.points);
    currentX_ = mark.x;
    currentY_ = mark.y;
    if (visible_) {
        handAll();
    } else {
        stale_ = true;
    }
    return true;
}

void LineCanvas::resize(int size) {
    if (size <= 0 || size == size_) return;
    size_ = size;
    map_ = views::PixelMap(scale_[0], scale_[1], scale_[2], scale_[3], size_, size_);
    if (!keeping_) return;
    if (visible_) {
        handAll();
    } else {
        stale_ = true;
    }
}

float LineCanvas::userX(double pixel) const {
    return static_cast<float>(scale_[0] +
                              pixel / size_ * (static_cast<double>(scale_[2]) - scale_[0]));
}

float LineCanvas::userY(double pixel) const {
    return static_cast<float>(scale_[1] +
                              pixel / size_ * (static_cast<double>(scale_[3]) - scale_[1]));
}

bool LineCanvas::hasNews() const {
    return news_.restart || !news_.lines.empty() || news_.labelsChanged || news_.stateChanged;
}

LineCanvas::News LineCanvas::takeNews() {
    News taken = std::move(news_);
    news_ = {};
    return taken;
}

}  // namespace tarvo::web
