#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "cli/Pictures.h"
#include "interp/Machine.h"
#include "render/RasterCanvas.h"

namespace tarvo::cli {

namespace {

// Qt's own chatter (no runtime folder, no session) is not the runner's to
// report; only its real failures are.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

bool save(const render::RasterCanvas& canvas, const std::string& path, int size,
          std::string& error) {
    const bool saved = canvas.saveImage(QString::fromStdString(path), size);
    if (!saved) error = "cannot write " + path;
    return saved;
}

// The views are drawn only when a picture of them is asked for; fonts for
// their labels need a GUI application, which runs without a display.
class ViewPictures : public Pictures {
public:
    ViewPictures(const Options& options, int& argc, char** argv)
        : application_(offscreen(argc, argv)),
          linez_(views::drawingBackground, options.size),
          linep_(views::drawingBackground, options.size),
          liner_(views::magnifiedBackground, options.size),
          options_(options) {}

    // A view no picture is asked of draws nowhere, so its lines are not kept.
    views::ViewCanvases canvases() override {
        return {wanted(options_.axo, linez_), wanted(options_.plan, linep_),
                wanted(options_.magnified, liner_)};
    }

    bool save(const Options& options, interp::Machine& machine, std::string& error) override {
        if (!options.magnified.empty()) turnMagnified(options, machine);
        const struct {
            const std::string& path;
            const render::RasterCanvas& canvas;
        } views[] = {{options.plan, linep_}, {options.axo, linez_}, {options.magnified, liner_}};
        for (const auto& view : views) {
            if (!view.path.empty() && !cli::save(view.canvas, view.path, options.size, error)) {
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

    views::Canvas& wanted(const std::string& path, render::RasterCanvas& canvas) {
        return path.empty() ? static_cast<views::Canvas&>(blind_) : canvas;
    }

    std::unique_ptr<QGuiApplication> application_;  // before the canvases, which need it
    render::RasterCanvas linez_, linep_, liner_;
    views::BlindCanvas blind_;
    const Options& options_;
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
