#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <string>

namespace tarvo::cli {
namespace {

namespace fs = std::filesystem;

const QRgb white = qRgb(255, 255, 255), yellow = qRgb(255, 255, 0);
const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);

const QString sample = TARVO_GOLDEN_DIR "/sample-dl1/program.nc";
// G01 Z-5 at the origin, then G01 X10: a groove 10 mm long, 5 mm deep.
const QString cut = TARVO_GOLDEN_DIR "/cut-below-surface/program.nc";

// Runs the runner with the given arguments and returns its exit status.
int runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TARVO_CLI), args);
    if (!process.waitForFinished(60'000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A fresh file name in the test's own folder.
QString output(const std::string& name) {
    fs::create_directories(TARVO_IMAGE_DIR);
    const fs::path file = fs::path(TARVO_IMAGE_DIR) / name;
    fs::remove(file);
    return QString::fromStdString(file.string());
}

QImage png(const QString& file) {
    const QImage image = QImage(file).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.size(), QSize(481, 481)) << file.toStdString();
    return image;
}

int count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour ? 1 : 0;
    }
    return n;
}

// Whether the colour lies within a pixel of point (u, v) under scale (left, top, right, bottom).
bool near(const QImage& image, const double (&s)[4], double u, double v, QRgb colour) {
    const int x = static_cast<int>((u - s[0]) * 481 / (s[2] - s[0]));
    const int y = static_cast<int>((v - s[1]) * 481 / (s[3] - s[1]));
    return count(image.copy(x - 1, y - 1, 3, 3), colour) > 0;
}

// The sample's moves in plan and axonometric view, at Z 60 with no cut in magenta.
TEST(ImageExport, SamplePlanAndAxonometricViews) {
    const QString planFile = output("sample-plan.png"), axoFile = output("sample-axo.png");
    ASSERT_EQ(runCli({sample, "--plan", planFile, "--axo", axoFile}), 0);
    const QImage plan = png(planFile), axo = png(axoFile);
    const double planScale[4] = {-800, 800, 800, -800}, axoScale[4] = {-700, 700, 600, -600};
    EXPECT_GT(count(plan, qRgb(64, 64, 64)), 481 * 481 * 9 / 10);
    EXPECT_TRUE(near(plan, planScale, 50, 50, white));
    EXPECT_TRUE(near(plan, planScale, 200, 100, yellow));
    EXPECT_TRUE(near(axo, axoScale, 0.7071 * 100 - 200, 600 - 0.7071 * 100, yellow));
    for (const QImage* image : {&plan, &axo}) {
        EXPECT_GT(count(*image, yellow), 100);
        EXPECT_EQ(count(*image, qRgb(255, 0, 255)), 0);
    }
}

// From above the cut lies on the bottom edge; a drag up by 50 tips its floor 25 up.
TEST(ImageExport, CutIsDrawnInTheMagnifiedView) {
    const QString plain = output("cut-magnified.png"), turned = output("cut-turned.png");
    ASSERT_EQ(runCli({cut, "--magnified", plain}), 0);
    EXPECT_GT(count(png(plain), qRgb(224, 224, 224)), 481 * 481 * 9 / 10);
    ASSERT_EQ(runCli({cut, "--magnified", turned, "--rotate", "0,-50"}), 0);
    const QImage t = png(turned);
    const double scale[4] = {0, 500, 500, 0};
    EXPECT_TRUE(near(t, scale, 50, 25, red));
    EXPECT_TRUE(near(t, scale, 100, 10, green));
    EXPECT_GT(count(t, red), 50);
    EXPECT_GT(count(t, green), 10);
}

// SVG is written too, at the size asked for.
TEST(ImageExport, WritesSvgAtTheSizeAskedFor) {
    const QString svg = output("sample-plan.svg");
    ASSERT_EQ(runCli({sample, "--plan", svg, "--size", "200"}), 0);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("width=\"200\""));
}

}  // namespace
}  // namespace tarvo::cli

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
