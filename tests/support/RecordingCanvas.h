#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "views/Canvas.h"

namespace tarvo::test {

// A view that keeps every call made to it, with the float coordinates exactly
// as handed over. It follows the current drawing position as a picture box
// does, so a lineTo is kept with the point it starts from. A polyline
// arrives as the lineTo calls it stands for.
class RecordingCanvas : public views::Canvas {
public:
    enum class Kind { Clear, Scale, Line, LineTo, Plot, Label, Visible, Pointer };

    struct Call {
        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Scale: left, top, right, bottom
        int colour = -1;
        int left = 0, top = 0;  // Label: twips
        std::string caption{};
        bool visible = false;
        views::Pointer pointer = views::Pointer::Arrow;
    };

    void clear() override { calls.push_back({Kind::Clear}); }
    void setScale(float left, float top, float right, float bottom) override {
        calls.push_back({Kind::Scale, left, top, right, bottom});
    }
    void line(float x1, float y1, float x2, float y2, int colour) override {
        calls.push_back({Kind::Line, x1, y1, x2, y2, colour});
        moveTo(x2, y2);
    }
    void lineTo(float x, float y, int colour) override {
        calls.push_back({Kind::LineTo, currentX, currentY, x, y, colour});
        moveTo(x, y);
    }
    void plot(float x, float y) override {
        calls.push_back({Kind::Plot, x, y, x, y});
        moveTo(x, y);
    }
    void label(int leftTwips, int topTwips, std::string_view caption) override {
        Call c{Kind::Label};
        c.left = leftTwips;
        c.top = topTwips;
        c.caption = std::string(caption);
        calls.push_back(c);
    }
    void setVisible(bool visible) override {
        Call c{Kind::Visible};
        c.visible = visible;
        calls.push_back(c);
        shown = visible;
    }
    void setPointer(views::Pointer shape) override {
        Call c{Kind::Pointer};
        c.pointer = shape;
        calls.push_back(c);
        pointerShape = shape;
    }

    // The calls of one kind, from index `from` of `calls` on.
    std::vector<Call> ofKind(Kind kind, std::size_t from = 0) const {
        std::vector<Call> out;
        for (std::size_t i = from; i < calls.size(); ++i) {
            if (calls[i].kind == kind) out.push_back(calls[i]);
        }
        return out;
    }
    // Lines and lineTo calls alike, each with both ends, in one colour or all.
    std::vector<Call> lines(int colour = -1, std::size_t from = 0) const {
        std::vector<Call> out;
        for (std::size_t i = from; i < calls.size(); ++i) {
            const Call& c = calls[i];
            if ((c.kind == Kind::Line || c.kind == Kind::LineTo) &&
                (colour < 0 || c.colour == colour)) {
                out.push_back(c);
            }
        }
        return out;
    }
    // Index of the last call of a kind, or calls.size() when there is none.
    std::size_t lastOf(Kind kind) const {
        for (std::size_t i = calls.size(); i-- > 0;) {
            if (calls[i].kind == kind) return i;
        }
        return calls.size();
    }
    void forget() { calls.clear(); }

    std::vector<Call> calls;
    float currentX = 0, currentY = 0;
    bool shown = false;
    views::Pointer pointerShape = views::Pointer::Arrow;

private:
    void moveTo(float x, float y) {
        currentX = x;
        currentY = y;
    }
};

inline std::ostream& operator<<(std::ostream& os, const RecordingCanvas::Call& c) {
    return os << "call " << static_cast<int>(c.kind) << " (" << c.x1 << ", " << c.y1 << ") -> ("
              << c.x2 << ", " << c.y2 << ") colour " << c.colour;
}

}  // namespace tarvo::test
