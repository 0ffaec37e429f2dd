#pragma once

#include <QImage>
#include <QString>

namespace tarvo::render {

// Encodes the image as a PNG and writes the file whole, or leaves it as it
// was; false when it could not.
bool writePng(const QImage& image, const QString& path);

}  // namespace tarvo::render
