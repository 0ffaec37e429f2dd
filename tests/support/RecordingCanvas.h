#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "interp/Machine.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "views/Canvas.h"

namespace tarvo::test {

// A view that keeps every call exactly; lineTo with its start, a polyline as its lineTo calls.
class RecordingCanvas : public views::Canvas {
public:
    enum class Kind { Clear, Scale, Line, LineTo, Plot, Label, Visible, Pointer };

    // Scale: left, top, right, bottom; Label: left and top in twips.
    struct Call {
        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int colour = -1;
        std::string caption{};
        friend bool operator==(const Call&, const Call&) = default;
        friend std::ostream& operator<<(std::ostream& os, const Call& c) {
            return os << "call " << int(c.kind) << " (" << c.x1 << ", " << c.y1 << ") -> (" << c.x2
                      << ", " << c.y2 << ") colour " << c.colour << ' ' << c.caption;
        }
    };

    void clear() override { calls.push_back({Kind::Clear}); }
    void setScale(float l, float t, float r, float b) override {
        calls.push_back({Kind::Scale, l, t, r, b});
    }
    void line(float x1, float y1, float x2, float y2, int colour) override {
        add({Kind::Line, x1, y1, x2, y2, colour});
    }
    void lineTo(float x, float y, int colour) override {
        add({Kind::LineTo, currentX, currentY, x, y, colour});
    }
    void plot(float x, float y) override { add({Kind::Plot, x, y, x, y}); }
    void label(int left, int top, std::string_view caption) override {
        calls.push_back({Kind::Label, float(left), float(top), 0, 0, -1, std::string(caption)});
    }
    void setVisible(bool visible) override {
        calls.push_back({Kind::Visible});
        shown = visible;
    }
    void setPointer(views::Pointer) override { calls.push_back({Kind::Pointer}); }

    // The calls of one kind (Line includes lineTo), of one colour or all, from index `from` on.
    std::vector<Call> ofKind(Kind kind, std::size_t from = 0, int colour = -1) const {
        std::vector<Call> out;
        for (std::size_t i = from; i < calls.size(); ++i) {
            const Call& c = calls[i];
            const bool line = kind == Kind::Line && c.kind == Kind::LineTo;
            if ((c.kind == kind || line) && (colour < 0 || c.colour == colour)) out.push_back(c);
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

    std::vector<Call> calls;
    float currentX = 0, currentY = 0;
    bool shown = false;

private:
    void add(const Call& c) {
        calls.push_back(c);
        currentX = c.x2;
        currentY = c.y2;
    }
};

using Kind = RecordingCanvas::Kind;

// A machine whose three views are recorded: axonometric, plan, magnified.
struct ViewRig {
    RecordingPanel panel;
    RecordingCanvas linez, linep, liner;
    interp::Machine machine{panel, {linez, linep, liner}};

    // Runs a program to its end; the start symbol is added when missing.
    void run(const std::string& program, double dl = 1, std::int16_t bei = 1) {
        interp::Parameters p = withDl(dl);
        p.bei = bei;
        runToEnd(machine, program.starts_with('%') ? program : "%\r\n" + program, p);
    }
};

}  // namespace tarvo::test
