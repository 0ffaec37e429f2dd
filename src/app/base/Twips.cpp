#include "app/base/Twips.h"

#include <QWidget>
#include <cmath>

namespace tarvo::app {

namespace {
double dotsPerInch(const QWidget* widget) {
    const double dpi = widget ? widget->logicalDpiX() : 96;
    return dpi > 0 ? dpi : 96;
}
}  // namespace

int twipsToPixels(const QWidget* widget, double twips) {
    return static_cast<int>(std::lround(twips * dotsPerInch(widget) / 1440));
}

double pixelsToTwips(const QWidget* widget, int pixels) {
    return pixels * 1440 / dotsPerInch(widget);
}

}  // namespace tarvo::app
