#include "app/panels/PulseGridUnderlay.h"

#include "views/DrawingRecord.h"

namespace tarvo::app {

void underlayPulseGrid(QImage& picture, const views::PulseGrid& grid, QRgb background) {
    const QRgb colour = views::pixelOf(views::pulseGridColour);
    const auto under = [&](int x, int y) {
        QRgb* pixel = reinterpret_cast<QRgb*>(picture.scanLine(y)) + x;
        if (*pixel == background) *pixel = colour;
    };
    for (const int x : grid.columns) {
        if (x >= picture.width()) continue;
        for (int y = 0; y < picture.height(); ++y) under(x, y);
    }
    for (const int y : grid.rows) {
        if (y >= picture.height()) continue;
        for (int x = 0; x < picture.width(); ++x) under(x, y);
    }
}

}  // namespace tarvo::app
