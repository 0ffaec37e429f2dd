#pragma once

class QWidget;

namespace tarvo::app {

// Window positions and sizes are kept in twips, 1/1440 inch: 15 twips a
// pixel at 96 dpi, scaled by the logical dpi of the widget's screen.
int twipsToPixels(const QWidget* widget, double twips);
double pixelsToTwips(const QWidget* widget, int pixels);

}  // namespace tarvo::app
