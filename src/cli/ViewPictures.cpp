#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "cli/Pictures.h"
#include "interp/Machine.h"
#include "render/PixelCanvas.h"
#include "render/RasterCanvas.h"

namespace tarvo::cli {

namespace {

// Qt's own chatter (no runtime folder, no session) is not the runner's to
// report; only its real failures are.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

// One view's picture, or none when no file is asked of it. A PNG is painted
// as the view draws; an SVG is made of the view's lines, which a raster
// canvas keeps.
class ViewPicture {
public:
    ViewPicture(const std::string& path, views::Rgb background, int size) {
        if (path.empty()) return;
        if (QString::fromStdString(path).endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            lines_ = std::make_unique<render::RasterCanvas>(background, size);
        } else {
            pixels_ = std::make_unique<render::PixelCanvas>(background, size);
        }
    }

    // Where the view draws: nowhere when no picture is asked of it.
    views::Canvas& canvas(views::Canvas& blind) {
        if (lines_) return *lines_;
        if (pixels_) return *pixels_;
        return blind;
    }

    bool save(const std::string& path, int size, std::string& error) const {
        const QString name = QString::fromStdString(path);
        const bool saved = lines_ ? lines_->saveImage(name, size) : pixels_->savePng(name);
        if (!saved) error = "cannot write " + path;
        return saved;
    }

private:
    std::unique_ptr<render::RasterCanvas> lines_;
    std::unique_ptr<render::PixelCanvas> pixels_;
};

// The views are drawn only when a picture of them is asked for; fonts for
// their labels need a GUI application, which runs without a display.
class ViewPictures : public Pictures {
public:
    ViewPictures(const Options& options, int& argc, char** argv)
        : application_(offscreen(argc, argv)),
          linez_(options.axo, views::drawingBackground, options.size),
          linep_(options.plan, views::drawingBackground, options.size),
          liner_(options.magnified, views::magnifiedBackground, options.size) {}

    views::ViewCanvases canvases() override {
        return {linez_.canvas(blind_), linep_.canvas(blind_), liner_.canvas(blind_)};
    }

    bool save(const Options& options, interp::Machine& machine, std::string& error) override {
        if (!options.magnified.empty()) turnMagnified(options, machine);
        const struct {
            const std::string& path;
            const ViewPicture& picture;
        } views[] = {{options.plan, linep_}, {options.axo, linez_}, {options.magnified, liner_}};
        for (const auto& view : views) {
            if (!view.path.empty() && !view.picture.save(view.path, options.size, error)) {
                return false;
            }
        }
        return true;
    }

private:
    static std::unique_ptr<QGuiApplication> offscreen(int& argc, char** argv) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(quietQtMessages);
        return std::make_unique<QGuiApplication>(argc, argv);
    }

    // Each turn is a drag with the left button from the origin of the view.
    static void turnMagnified(const Options& options, interp::Machine& machine) {
        if (options.rotations.empty()) {
            machine.panmode();
            return;
        }
        machine.rotmode();
        for (const auto& [dx, dy] : options.rotations) {
            machine.pointerMoved(views::Buttons::None, 0, 0);
            machine.pointerMoved(views::Buttons::LeftAlone, static_cast<float>(dx),
                                 static_cast<float>(dy));
        }
    }

    std::unique_ptr<QGuiApplication> application_;  // before the canvases, which need it
    ViewPicture linez_, linep_, liner_;
    views::BlindCanvas blind_;
};

}  // namespace

bool picturesBuilt() {
    return true;
}

std::unique_ptr<Pictures> makePictures(const Options& options, int& argc, char** argv) {
    if (!options.wantsImages()) return nullptr;
    return std::make_unique<ViewPictures>(options, argc, argv);
}

}  // namespace tarvo::cli
