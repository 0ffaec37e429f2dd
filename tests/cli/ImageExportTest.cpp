#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <string>

// What only pixels show: a PNG picture the runner rasterises, at the size asked
// for. Which view it is and where its lines lie is pinned by the SVG pictures
// of the golden folders (one saving for both), whose coordinates the pixels
// below are taken from.
namespace tarvo::cli {
namespace {

namespace fs = std::filesystem;

// Runs the runner on a golden program, saving one view as PNG, and loads it.
QImage runAndLoad(const char* golden, const char* view, const std::string& name,
                  const QStringList& more = {}) {
    fs::create_directories(TARVO_IMAGE_DIR);
    const fs::path file = fs::path(TARVO_IMAGE_DIR) / name;
    fs::remove(file);
    const QString path = QString::fromStdString(file.string());
    QProcess process;
    const QString program = QStringLiteral(TARVO_GOLDEN_DIR "/") + golden + "/program.nc";
    process.start(QStringLiteral(TARVO_CLI), QStringList{program, view, path} + more);
    EXPECT_TRUE(process.waitForFinished(60'000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Whether the colour lies within a pixel of (x, y).
bool near(const QImage& image, double x, double y, QRgb colour) {
    const QImage around = image.copy(static_cast<int>(x) - 1, static_cast<int>(y) - 1, 3, 3);
    for (int v = 0; v < 3; ++v) {
        for (int u = 0; u < 3; ++u) {
            if (around.pixel(u, v) == colour) return true;
        }
    }
    return false;
}

// cli-rotate-magnified/magnified.svg at 200 pixels: the floor of the groove in
// red, 25 of the view's 500 units up, and its end wall in green.
TEST(ImageExport, MagnifiedViewIsRasterisedAtTheSizeAskedFor) {
    const QImage cut = runAndLoad("cut-below-surface", "--magnified", "cut-turned.png",
                                  {"--rotate", "0,-50", "--size", "200"});
    ASSERT_EQ(cut.size(), QSize(200, 200));
    EXPECT_EQ(cut.pixel(199, 0), qRgb(224, 224, 224));
    EXPECT_TRUE(near(cut, 20, 190, qRgb(255, 0, 0)));
    EXPECT_TRUE(near(cut, 40, 195, qRgb(0, 255, 0)));
}

}  // namespace
}  // namespace tarvo::cli

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
