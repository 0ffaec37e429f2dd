#include "render/PngFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <string_view>

#include "files/WholeFile.h"

namespace tarvo::render {

bool writePng(const QImage& image, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return false;
    return files::writeWhole(QFile::encodeName(path).toStdString(),
                             std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace tarvo::render
