#pragma once

#include <QImage>

#include "views/PulseGrid.h"

namespace tarvo::app {

// Lays the pulse grid under a view's picture: its pixels take the grid's
// colour where the picture shows only its background, so the path, the axes
// and every step point stay on top.
void underlayPulseGrid(QImage& picture, const views::PulseGrid& grid, QRgb background);

}  // namespace tarvo::app
