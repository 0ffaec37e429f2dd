#include <gtest/gtest.h>

#include <array>

#include "support/RecordingCanvas.h"
#include "views/Palette.h"

namespace tarvo::views {
namespace {

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

    // The frame, axes and captions of a plain run are pinned by the golden pictures.
    for (const auto view : {&test::ViewRig::linez, &test::ViewRig::linep}) {
        const RecordingCanvas &u = plain.*view, &m = magnified.*view;
        const std::size_t uFrom = u.lastOf(Kind::Clear), mFrom = m.lastOf(Kind::Clear);
        EXPECT_LT(u.lastOf(Kind::Visible), uFrom);
        const auto us = u.calls.at(uFrom + 1), ms = m.calls.at(mFrom + 1);
        EXPECT_EQ(us.kind, Kind::Scale);
        const auto ul = u.ofKind(Kind::Line, uFrom), ml = m.ofKind(Kind::Line, mFrom);
        const std::size_t axes =
            u.ofKind(Kind::Line, uFrom).size() - u.ofKind(Kind::Line, u.lastOf(Kind::Label)).size();
        ASSERT_GE(axes, 6u);
        for (std::size_t i = 0; i < axes; ++i) {
            EXPECT_EQ(ul[i].colour, colour::brightWhite);
            const auto a = onScreen(ml.at(i), ms), b = onScreen(ul[i], us);
            for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(a[k], b[k], 1e-6) << ml[i];
        }
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
