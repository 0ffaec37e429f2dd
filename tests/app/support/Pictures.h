#pragma once

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace tarvo::app {

// How many pixels of a colour a picture holds.
inline int count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    }
    return n;
}

// Leaves a picture of the widget in the build folder, to be looked at.
[[nodiscard]] inline bool saveArtefact(QWidget& widget, const QString& fileName) {
    const QString folder = qEnvironmentVariable("TARVO_ARTEFACTS", QDir::tempPath());
    return widget.grab().save(folder + '/' + fileName);
}

}  // namespace tarvo::app
