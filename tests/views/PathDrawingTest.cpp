#include <gtest/gtest.h>

#include "support/RecordingCanvas.h"
#include "views/Palette.h"
#include "views/PathDrawing.h"

namespace tarvo::views {
namespace {

using test::K;
using test::Kind;
using test::RecordingCanvas;

// A rapid below the surface leaves its groove one palette index below its colour.
TEST(StepDrawing, RapidBelowTheSurfaceLeavesAYellowGroove) {
    RecordingCanvas linez, linep;
    PathDrawing(linez, linep).step({0, 10, -10}, {10, 20, -10}, colour::brightWhite);
    ASSERT_EQ(linez.calls.size(), 2u);
    test::expectLine(linez.calls[1], {K * 10, -K * 10, K * 20 - 10, -K * 20, colour::yellow});
}

}  // namespace
}  // namespace tarvo::views
