#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/TableFile.h"
#include "views/PixelLine.h"

namespace tarvo::views {
namespace {

constexpr int width = 6, height = 4;

// The buffer's rows, top first, "#" for a pixel drawn, separated by spaces.
std::string rowsOf(const std::array<std::uint32_t, width * height>& bits) {
    std::string rows;
    for (int y = 0; y < height; ++y) {
        if (y > 0) rows += ' ';
        for (int x = 0; x < width; ++x) rows += bits[y * width + x] != 0 ? '#' : '.';
    }
    return rows;
}

TARVO_TABLE_SUITE(ViewsPixelLine, "pixel-lines.tsv");

TEST_P(ViewsPixelLine, DrawsTheSegmentsPixelsClippedToTheBuffer) {
    std::array<std::uint32_t, width * height> bits{};
    const PixelBuffer buffer{bits.data(), width, height, width};
    const std::vector<double> l = row().numbers("line");
    ASSERT_EQ(l.size(), 4U);
    drawPixelLine(buffer, l[0], l[1], l[2], l[3], 0xff000000U);
    EXPECT_EQ(rowsOf(bits), row()["rows"]);
}

TEST(ViewsPixelLine, APointIsDrawnOnlyOnTheBufferAndItsFarEdges) {
    std::array<std::uint32_t, width * height> bits{};
    const PixelBuffer buffer{bits.data(), width, height, width};
    drawPixel(buffer, 6, 4, 7);
    drawPixel(buffer, -0.01, 1, 7);
    drawPixel(buffer, 6.01, 1, 7);
    EXPECT_EQ(rowsOf(bits), "...... ...... ...... .....#");
}

}  // namespace
}  // namespace tarvo::views
