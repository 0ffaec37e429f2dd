#include <gtest/gtest.h>

#include "support/RecordingCanvas.h"
#include "views/Palette.h"

namespace tarvo::views {
namespace {

using test::Kind;
using test::RecordingCanvas;

// Each run shows the plan view and draws the views afresh: the last run's steps are gone and the
// path starts at the origin. The frame itself, plain and magnified, is pinned by the golden
// pictures.
TEST(Drawxyz, EachRunDrawsTheViewsAfresh) {
    test::ViewRig rig;
    rig.run("G01X-30Y20\r\n");
    ASSERT_EQ(rig.linep.currentX, -300.0f);
    rig.machine.rotmode();  // the magnified view is showing
    rig.run("G01X10Y5\r\n");
    EXPECT_EQ(rig.panel.option, View::Plan);
    EXPECT_EQ(rig.machine.views().shown(), View::Plan);
    EXPECT_TRUE(rig.linep.shown && !rig.linez.shown && !rig.liner.shown);
    for (const RecordingCanvas* view : {&rig.linez, &rig.linep}) {
        EXPECT_LT(view->lastOf(Kind::Visible), view->lastOf(Kind::Clear));
    }
    const auto path = rig.linep.ofKind(Kind::LineTo, rig.linep.lastOf(Kind::Clear));
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(std::tuple(path.front().x1, path.front().y1, path.back().x2),
              std::tuple(0.0f, 0.0f, 100.0f));
    // The first run's steps, to positive u, are gone from the axonometric view.
    const std::size_t cleared = rig.linez.lastOf(Kind::Clear);
    for (const auto& step : rig.linez.ofKind(Kind::Line, cleared, colour::yellow)) {
        EXPECT_LT(step.x2, 0.0f) << step;
    }
}

}  // namespace
}  // namespace tarvo::views
