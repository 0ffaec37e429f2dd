#include "render/SvgPicture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <sstream>
#include <string>

#include "support/TableFile.h"

namespace tarvo::render {
namespace {

TARVO_TABLE_SUITE(SvgPicturePaths, "svg-paths.tsv");

// Lines become paths: steps within one pixel take at most two points, and a jump starts a subpath.
TEST_P(SvgPicturePaths, MergeTheLinesDrawn) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SvgPicture picture(buffer, 10, 0xff000000);
    std::istringstream script(row()["script"]);
    for (std::string step; std::getline(script, step, ';');) {
        std::istringstream in(step);
        std::string call, colour;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        in >> call >> x1 >> y1 >> x2 >> y2 >> colour;
        picture.line(x1, y1, x2, y2,
                     colour == "red"     ? 0xffff0000
                     : colour == "green" ? 0xff00ff00
                                         : 0xff0000ff);
    }
    EXPECT_TRUE(picture.finish());
    const qsizetype first = bytes.indexOf("<path");
    EXPECT_EQ(bytes.mid(first, bytes.indexOf("</svg>") - first).toStdString(), row()["paths"]);
}

}  // namespace
}  // namespace tarvo::render
