#include "render/PngFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QHash>
#include <string_view>

#include "files/WholeFile.h"

namespace tarvo::render {

namespace {

// A view's picture holds its background, the palette's colours and the
// shades of its labels' letters: as a PNG with a colour table of those it
// takes a quarter of the pixels to compress and no filtering, and comes
// out smaller. Null when the image has more colours than a table holds.
QImage indexed(const QImage& image) {
    QHash<QRgb, int> index;
    QVector<QRgb> table;
    QImage out(image.size(), QImage::Format_Indexed8);
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* row = out.scanLine(y);
        QRgb last = 0;
        int lastIndex = -1;
        for (int x = 0; x < width; ++x) {
            if (lastIndex < 0 || in[x] != last) {
                last = in[x];
                auto found = index.constFind(last);
                if (found == index.constEnd()) {
                    if (table.size() == 256) return {};
                    found = index.insert(last, static_cast<int>(table.size()));
                    table.push_back(last);
                }
                lastIndex = *found;
            }
            row[x] = static_cast<uchar>(lastIndex);
        }
    }
    out.setColorTable(table);
    return out;
}

}  // namespace

bool writePng(const QImage& image, const QString& path) {
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    const QImage few = indexed(opaque);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !(few.isNull() ? opaque : few).save(&buffer, "PNG")) {
        return false;
    }
    return files::writeWhole(QFile::encodeName(path).toStdString(),
                             std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

}  // namespace tarvo::render
