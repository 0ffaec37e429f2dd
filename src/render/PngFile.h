#pragma once

#include <QImage>
#include <QString>

namespace tarvo::render {

// Encodes the opaque image as a PNG, with a colour table when it has no
// more than 256 colours, and writes the file whole, or leaves it as it was;
// false when it could not.
bool writePng(const QImage& image, const QString& path);

}  // namespace tarvo::render
