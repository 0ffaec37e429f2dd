#include <gtest/gtest.h>

#include <QColor>
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

const QRgb darkGrey = qRgb(64, 64, 64), lightGrey = qRgb(224, 224, 224);
const QRgb white = qRgb(255, 255, 255), yellow = qRgb(255, 255, 0), magenta = qRgb(255, 0, 255);
const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0);

const std::string sample = TARVO_GOLDEN_DIR "/sample-dl1/program.nc";
// G01 Z-5 at the origin, then G01 X10: a groove 10 mm long, 5 mm deep.
const std::string cut = TARVO_GOLDEN_DIR "/cut-below-surface/program.nc";

// Runs the runner with the given arguments and returns its exit status.
int runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TARVO_CLI), args);
    if (!process.waitForFinished(60'000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A fresh file name in the test's own folder.
QString output(const std::string& name) {
    const fs::path dir = fs::path(TARVO_IMAGE_DIR);
    fs::create_directories(dir);
    const fs::path file = dir / name;
    fs::remove(file);
    return QString::fromStdString(file.string());
}

int count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour ? 1 : 0;
    }
    return n;
}

// The colour is on a pixel within one of (x, y): lines are one pixel wide.
bool near(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour) return true;
        }
    }
    return false;
}

// Pixel of an internal-unit point in a view of 481 pixels with the given
// user scale (left, top, right, bottom).
struct At {
    int x, y;
};
At pixelOf(double u, double v, double l, double t, double r, double b) {
    return {static_cast<int>((u - l) * 481 / (r - l)), static_cast<int>((v - t) * 481 / (b - t))};
}

TEST(ImageExport, SampleProgramPlanAndAxonometricViews) {
    const QString plan = output("sample-plan.png"), axo = output("sample-axo.png");
    ASSERT_EQ(runCli({QString::fromStdString(sample), "--plan", plan, "--axo", axo}), 0);
    QImage p(plan), a(axo);
    ASSERT_EQ(p.size(), QSize(481, 481));
    ASSERT_EQ(a.size(), QSize(481, 481));
    p = p.convertToFormat(QImage::Format_RGB32);
    a = a.convertToFormat(QImage::Format_RGB32);

    EXPECT_GT(count(p, darkGrey), 481 * 481 * 9 / 10);
    // G00 X10 Y10 passes (5, 5) mm, G01 X30 passes (20, 10), the closing
    // G00 X-10 Y-10 passes (-5, -5); the axes run through the centre only.
    const At rapid = pixelOf(50, 50, -800, 800, 800, -800);
    const At feed = pixelOf(200, 100, -800, 800, 800, -800);
    const At back = pixelOf(-50, -50, -800, 800, 800, -800);
    EXPECT_TRUE(near(p, rapid.x, rapid.y, white));
    EXPECT_TRUE(near(p, feed.x, feed.y, yellow));
    EXPECT_TRUE(near(p, back.x, back.y, white));
    EXPECT_GT(count(p, yellow), 100);
    EXPECT_EQ(count(p, magenta), 0);

    // At Z 60 the path hangs near the top of the axonometric view.
    const auto project = [](double x, double y, double z) {
        return pixelOf(0.7071 * y - x, z - 0.7071 * y, -700, 700, 600, -600);
    };
    const At rapidAxo = project(50, 50, 600), feedAxo = project(200, 100, 600);
    EXPECT_TRUE(near(a, rapidAxo.x, rapidAxo.y, white));
    EXPECT_TRUE(near(a, feedAxo.x, feedAxo.y, yellow));
    EXPECT_GT(count(a, yellow), 100);
    EXPECT_EQ(count(a, magenta), 0);
}

// Seen from straight above the cut lies on the view's bottom edge; a drag
// upwards by 50 units tips the groove's floor 25 units up into the view, the
// walls with it.
TEST(ImageExport, CutIsDrawnInTheMagnifiedView) {
    const QString plain = output("cut-magnified.png"), turned = output("cut-turned.png");
    ASSERT_EQ(runCli({QString::fromStdString(cut), "--magnified", plain}), 0);
    const QImage m = QImage(plain).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(m.size(), QSize(481, 481));
    EXPECT_GT(count(m, lightGrey), 481 * 481 * 9 / 10);

    ASSERT_EQ(runCli({QString::fromStdString(cut), "--magnified", turned, "--rotate", "0,-50"}), 0);
    const QImage t = QImage(turned).convertToFormat(QImage::Format_RGB32);
    const At floor = pixelOf(50, 25, 0, 500, 500, 0), wall = pixelOf(100, 10, 0, 500, 500, 0);
    EXPECT_TRUE(near(t, floor.x, floor.y, red));
    EXPECT_TRUE(near(t, wall.x, wall.y, green));
    EXPECT_GT(count(t, red), 50);
    EXPECT_GT(count(t, green), 10);
}

TEST(ImageExport, SvgHoldsThePathInItsColours) {
    const QString plan = output("sample-plan.svg");
    ASSERT_EQ(runCli({QString::fromStdString(sample), "--plan", plan, "--size", "200"}), 0);
    QFile file(plan);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(svg.contains("width=\"200\""));
    EXPECT_TRUE(svg.contains("stroke=\"#ffff00\""));
    EXPECT_TRUE(svg.contains("stroke=\"#ffffff\""));
    EXPECT_TRUE(svg.contains(">X</text>"));
}

TEST(ImageExport, OtherImageFormatsAreAUsageError) {
    for (const char* option : {"--plan", "--axo", "--magnified"}) {
        const QString jpg = output("view.jpg");
        EXPECT_EQ(runCli({QString::fromStdString(sample), option, jpg}), 1) << option;
        EXPECT_FALSE(fs::exists(jpg.toStdString())) << option;
    }
}

}  // namespace
}  // namespace tarvo::cli

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
