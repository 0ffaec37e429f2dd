#include "render/SvgPicture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <functional>
#include <string>

// Lines become paths: one for each stretch of one colour, or of two colours taking turns;
// steps within one pixel take at most two points, and a jump starts a subpath.
namespace tarvo::render {
namespace {

std::string pathsOf(const std::function<void(SvgPicture&)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SvgPicture picture(buffer, 10, 0xff000000);
    draw(picture);
    EXPECT_TRUE(picture.finish());
    const qsizetype first = bytes.indexOf("<path");
    return first < 0 ? std::string()
                     : bytes.mid(first, bytes.indexOf("</svg>") - first).toStdString();
}

TEST(SvgPicture, MergesLinesIntoPaths) {
    constexpr QRgb red = 0xffff0000, green = 0xff00ff00, blue = 0xff0000ff;
    // Ten steps of 1/8 pixel along one row: the first point, the last in pixel 1, the first in
    // pixel 2 and the end.
    EXPECT_EQ(pathsOf([&](SvgPicture& p) {
                  for (int i = 0; i < 10; ++i)
                      p.line(1 + i / 8.0, 1.5, 1 + (i + 1) / 8.0, 1.5, red);
              }),
              "<path fill=\"none\" stroke=\"#ff0000\" d=\"M1,1.5 1.875,1.5 2,1.5 2.25,1.5\"/>\n");
    // A jump starts a subpath in the same path.
    EXPECT_EQ(pathsOf([&](SvgPicture& p) {
                  p.line(0, 0, 3, 0, red);
                  p.line(5, 5, 5, 8, red);
              }),
              "<path fill=\"none\" stroke=\"#ff0000\" d=\"M0,0 3,0 M5,5 5,8\"/>\n");
    // A cut and its shadow taking turns: one path each, in the order they began; a third
    // colour writes out the earlier of the two.
    EXPECT_EQ(pathsOf([&](SvgPicture& p) {
                  for (int i = 0; i < 3; ++i) {
                      p.line(i, 1, i + 1, 1, red);
                      p.line(i, 5, i + 1, 5, green);
                  }
                  p.line(0, 9, 9, 9, blue);
              }),
              "<path fill=\"none\" stroke=\"#ff0000\" d=\"M0,1 1,1 2,1 3,1\"/>\n"
              "<path fill=\"none\" stroke=\"#00ff00\" d=\"M0,5 1,5 2,5 3,5\"/>\n"
              "<path fill=\"none\" stroke=\"#0000ff\" d=\"M0,9 9,9\"/>\n");
}

}  // namespace
}  // namespace tarvo::render
