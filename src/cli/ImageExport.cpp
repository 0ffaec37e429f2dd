#include "cli/ImageExport.h"

#include "app/RasterCanvas.h"
#include "interp/Machine.h"

namespace tarvo::cli {

namespace {

bool save(const app::RasterCanvas& canvas, const std::string& path, int size, std::string& error) {
    const bool saved = canvas.saveImage(QString::fromStdString(path), size);
    if (!saved) error = "cannot write " + path;
    return saved;
}

}  // namespace

bool exportViews(const Options& options, interp::Machine& machine, const ViewImages& images,
                 std::string& error) {
    if (!options.magnified.empty()) {
        if (options.rotations.empty()) {
            machine.panmode();
        } else {
            // Each turn is a drag with the left button from the origin of the view.
            machine.rotmode();
            for (const auto& [dx, dy] : options.rotations) {
                machine.pointerMoved(0, 0, 0);
                machine.pointerMoved(1, static_cast<float>(dx), static_cast<float>(dy));
            }
        }
    }
    const struct {
        const std::string& path;
        const app::RasterCanvas& canvas;
    } views[] = {{options.plan, images.linep}, {options.axo, images.linez},
                 {options.magnified, images.liner}};
    for (const auto& view : views) {
        if (!view.path.empty() && !save(view.canvas, view.path, options.size, error)) return false;
    }
    return true;
}

}  // namespace tarvo::cli
