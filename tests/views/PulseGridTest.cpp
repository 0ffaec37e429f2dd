#include "views/PulseGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "motion/exact/DecimalReading.h"
#include "support/TableFile.h"
#include "views/PixelLine.h"

namespace tarvo::views {
namespace {

struct PlanView {
    int size;
    PixelMap map;
};

// The plan view's mapping as a canvas of `size` pixels makes it at magnification `bei`.
PlanView planView(int size, int bei) {
    const float edge = 800.0F / static_cast<float>(bei);
    return {size, PixelMap(-edge, edge, edge, -edge, size, size)};
}

// A pulse of `dl` mm, in internal units.
motion::Decimal pulseOf(const std::string& dl) {
    return motion::readDecimal(dl).value * 10;
}

// The lines' count, then their first, second and last pixel, or "-".
std::string figuresOf(const std::vector<int>& lines) {
    if (lines.empty()) return "-";
    return std::to_string(lines.size()) + ' ' + std::to_string(lines[0]) + ' ' +
           std::to_string(lines.size() > 1 ? lines[1] : lines[0]) + ' ' +
           std::to_string(lines.back());
}

TARVO_TABLE_SUITE(ViewsPulseGrid, "pulse-grid.tsv");

TEST_P(ViewsPulseGrid, LinesAtEveryPulseFromTheOriginOnceAPulseIsEightPixels) {
    const PlanView view = planView(row().as<int>("size"), row().as<int>("bei"));
    const PulseGrid grid = pulseGrid(view.map, view.size, view.size, pulseOf(row()["dl"]));
    EXPECT_EQ(figuresOf(grid.columns), row()["columns"]);
    EXPECT_EQ(figuresOf(grid.rows), row()["rows"]);
}

// Where the view paints a step point on one of the axes through the origin:
// drawn as the view draws a step, the point reaching it as floats, and found
// on the axis's pixel row or column. None when the view paints nothing.
class AxisPoints {
public:
    explicit AxisPoints(const PlanView& view)
        : view_(view), bits_(static_cast<std::size_t>(view.size * view.size)) {}

    // The column of the step point (x, 0).
    std::optional<int> column(motion::Decimal x) { return painted(x, {}, true); }
    // The row of the step point (0, y).
    std::optional<int> row(motion::Decimal y) { return painted({}, y, false); }

private:
    std::optional<int> painted(motion::Decimal x, motion::Decimal y, bool alongX) {
        const PixelBuffer buffer{bits_.data(), view_.size, view_.size, view_.size};
        const double px = view_.map.x(static_cast<float>(x.toDouble()));
        const double py = view_.map.y(static_cast<float>(y.toDouble()));
        drawPixelLine(buffer, px, py, px, py, 1);
        const int axis = static_cast<int>(alongX ? view_.map.y(0) : view_.map.x(0));
        for (int i = 0; i < view_.size; ++i) {
            std::uint32_t& bit = alongX ? bits_[static_cast<std::size_t>(axis * view_.size + i)]
                                        : bits_[static_cast<std::size_t>(i * view_.size + axis)];
            if (bit == 0) continue;
            bit = 0;
            return i;
        }
        return std::nullopt;
    }

    const PlanView& view_;
    std::vector<std::uint32_t> bits_;
};

bool has(const std::vector<int>& lines, int pixel) {
    return std::find(lines.begin(), lines.end(), pixel) != lines.end();
}

TEST(ViewsPulseGridSteps, EveryStepPointInsideTheViewLiesOnAColumnAndARow) {
    // Pulses that fall on whole pixels and pulses that do not, with the
    // origin on a pixel's edge and inside one.
    const struct {
        int size, bei;
        const char* dl;
    } cases[] = {{800, 1, "1.6"},  {801, 1, "1.6"},    {733, 3, "0.7"},
                 {481, 7, "0.55"}, {1000, 12, "0.11"}, {640, 1, "2.125"}};
    for (const auto& c : cases) {
        const PlanView view = planView(c.size, c.bei);
        const motion::Decimal dlstep = pulseOf(c.dl);
        const PulseGrid grid = pulseGrid(view.map, view.size, view.size, dlstep);
        ASSERT_FALSE(grid.empty()) << c.dl;
        AxisPoints axes(view);
        std::size_t columns = 0, rows = 0;
        for (std::int64_t k = -1000; k <= 1000; ++k) {
            // Along the X axis and along the Y axis, where the other coordinate is 0.
            if (const auto x = axes.column(dlstep * k)) {
                ++columns;
                EXPECT_TRUE(has(grid.columns, *x)) << c.dl << " k " << k;
            }
            if (const auto y = axes.row(dlstep * k)) {
                ++rows;
                EXPECT_TRUE(has(grid.rows, *y)) << c.dl << " k " << k;
            }
        }
        EXPECT_EQ(grid.columns.size(), columns) << c.dl;
        EXPECT_EQ(grid.rows.size(), rows) << c.dl;
        EXPECT_TRUE(std::is_sorted(grid.columns.begin(), grid.columns.end()));
        EXPECT_TRUE(std::is_sorted(grid.rows.begin(), grid.rows.end()));
    }
}

TEST(ViewsPulseGridSteps, NoGridInAnEmptyViewOrWithoutAPulse) {
    const PlanView view = planView(800, 1);
    EXPECT_TRUE(pulseGrid(view.map, 0, 0, pulseOf("10")).empty());
    EXPECT_TRUE(pulseGrid(view.map, view.size, view.size, motion::Decimal{}).empty());
}

}  // namespace
}  // namespace tarvo::views
