#include <gtest/gtest.h>

#include <array>

#include "support/RecordingCanvas.h"
#include "views/Palette.h"

namespace tarvo::views {
namespace {

using test::K;
using test::Kind;
using test::RecordingCanvas;

// Where a line's ends fall across its view, 0 at the left (top) edge, 1 at the right (bottom).
std::array<double, 4> onScreen(const RecordingCanvas::Call& c, const RecordingCanvas::Call& s) {
    const auto across = [](float v, float first, float last) {
        return (static_cast<double>(v) - first) / (static_cast<double>(last) - first);
    };
    return {across(c.x1, s.x1, s.x2), across(c.y1, s.y1, s.y2), across(c.x2, s.x1, s.x2),
            across(c.y2, s.y1, s.y2)};
}

struct Frame {
    RecordingCanvas test::ViewRig::*view;
    std::array<float, 4> scale;  // left, top, right, bottom
    std::vector<test::Line> axes;
    std::string captions;
};

// Each run frames the views afresh; magnified, the frame stays put and the path reaches farther.
TEST(Drawxyz, FramesTheViewsAlikeAtAnyMagnificationForEachRun) {
    test::ViewRig plain, magnified;
    plain.run("G01X-30Y20\r\n", 1, 1);
    ASSERT_EQ(plain.linep.currentX, -300.0f);
    plain.machine.rotmode();  // the magnified view is showing
    plain.run("G01X10Y5\r\n", 1, 1);
    magnified.run("G01X10Y5\r\n", 1, 2);
    EXPECT_EQ(plain.panel.option, View::Plan);
    EXPECT_EQ(plain.machine.views().shown(), View::Plan);
    EXPECT_TRUE(plain.linep.shown && !plain.linez.shown && !plain.liner.shown);

    const int w = colour::brightWhite;
    const Frame frames[] = {{&test::ViewRig::linez,
                             {-700, 700, 600, -600},
                             {{0, 0, 0, 650, w}, {0, 0, -650, 0, w}, {0, 0, 650 * K, -650 * K, w}},
                             "XYZ0"},
                            {&test::ViewRig::linep,
                             {-800, 800, 800, -800},
                             {{0, 750, 0, -750, w}, {-750, 0, 750, 0, w}},
                             "XY0"}};
    for (const Frame& f : frames) {
        const RecordingCanvas &u = plain.*f.view, &m = magnified.*f.view;
        const std::size_t uFrom = u.lastOf(Kind::Clear), mFrom = m.lastOf(Kind::Clear);
        EXPECT_LT(u.lastOf(Kind::Visible), uFrom);
        const auto us = u.calls.at(uFrom + 1), ms = m.calls.at(mFrom + 1);
        EXPECT_EQ(us, (RecordingCanvas::Call{Kind::Scale, f.scale[0], f.scale[1], f.scale[2],
                                             f.scale[3]}));
        const auto ul = u.ofKind(Kind::Line, uFrom), ml = m.ofKind(Kind::Line, mFrom);
        ASSERT_GE(ul.size(), 3 * f.axes.size());
        ASSERT_GE(ml.size(), 3 * f.axes.size());
        for (std::size_t i = 0; i < 3 * f.axes.size(); ++i) {
            if (i % 3 == 0) test::expectLine(ul[i], f.axes[i / 3]);
            EXPECT_EQ(ul[i].colour, w);
            const auto a = onScreen(ml[i], ms), b = onScreen(ul[i], us);
            for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(a[k], b[k], 1e-6) << ml[i];
        }
        std::string captions;
        for (const auto& label : u.ofKind(Kind::Label, uFrom)) captions += label.caption;
        EXPECT_EQ(captions, f.captions);
        EXPECT_EQ(m.ofKind(Kind::Label, mFrom), u.ofKind(Kind::Label, uFrom));
    }
    const auto reach = [](const RecordingCanvas& view) {
        return onScreen(view.ofKind(Kind::LineTo).back(), view.ofKind(Kind::Scale).back())[2] - 0.5;
    };
    EXPECT_NEAR(reach(plain.linep), 100.0 / 1600, 1e-9);
    EXPECT_NEAR(reach(magnified.linep), 2 * reach(plain.linep), 1e-9);
    const auto path = plain.linep.ofKind(Kind::LineTo, plain.linep.lastOf(Kind::Clear));
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front().x1, 0.0f);
    EXPECT_EQ(path.front().y1, 0.0f);
    // The first run's steps, to positive u, are gone from the axonometric view.
    const std::size_t cleared = plain.linez.lastOf(Kind::Clear);
    for (const auto& step : plain.linez.ofKind(Kind::Line, cleared, colour::yellow)) {
        EXPECT_LT(step.x2, 0.0f) << step;
    }
}

}  // namespace
}  // namespace tarvo::views
