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

TARVO_TABLE_SUITE(ViewsPulseGrid, "pulse-grid.tsv");

// Lines at every pulse from the origin once a pulse is eight pixels; every step point the view
// paints on an axis lies on a column and a row of the grid, and only those.
TEST_P(ViewsPulseGrid, LinesAtEveryPulseFromTheOriginOnceAPulseIsEightPixels) {
    const PlanView view = planView(row().as<int>("size"), row().as<int>("bei"));
    const motion::Decimal dlstep = pulseOf(row()["dl"]);
    const PulseGrid grid = pulseGrid(view.map, view.size, view.size, dlstep);
    if (!row()["columns"].empty()) {
        EXPECT_EQ(figuresOf(grid.columns), row()["columns"]);
        EXPECT_EQ(figuresOf(grid.rows), row()["rows"]);
    }
    EXPECT_FALSE(grid.empty() && row()["columns"].empty()) << "no grid to check the steps by";
    if (grid.empty()) return;
    AxisPoints axes(view);
    std::size_t columns = 0, rows = 0;
    for (std::int64_t k = -1000; k <= 1000; ++k) {
        // Along the X axis and along the Y axis, where the other coordinate is 0.
        if (const auto x = axes.column(dlstep * k)) {
            ++columns;
            EXPECT_TRUE(has(grid.columns, *x)) << "k " << k;
        }
        if (const auto y = axes.row(dlstep * k)) {
            ++rows;
            EXPECT_TRUE(has(grid.rows, *y)) << "k " << k;
        }
    }
    EXPECT_EQ(grid.columns.size(), columns);
    EXPECT_EQ(grid.rows.size(), rows);
    EXPECT_TRUE(std::is_sorted(grid.columns.begin(), grid.columns.end()));
    EXPECT_TRUE(std::is_sorted(grid.rows.begin(), grid.rows.end()));
}

TEST(ViewsPulseGridSteps, NoGridInAnEmptyViewOrWithoutAPulse) {
    const PlanView view = planView(800, 1);
    EXPECT_TRUE(pulseGrid(view.map, 0, 0, pulseOf("10")).empty());
    EXPECT_TRUE(pulseGrid(view.map, view.size, view.size, motion::Decimal{}).empty());
}

}  // namespace
}  // namespace tarvo::views
