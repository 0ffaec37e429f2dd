#include "render/WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tarvo::render {

bool writeWhole(const QString& path, const QByteArray& bytes) {
    return writeWhole(path,
                      [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
}

// The new file takes the old one's place only once every byte reached the
// disk; QSaveFile::commit alone misses a failed final flush on some Qt
// versions and would swap in a cut-off file, hence the explicit flush.
// Only a regular file is replaced: QSaveFile would otherwise rename its new
// file over a folder entry such as a device (/dev/full) or a pipe.
bool writeWhole(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && write(file) && file.flush() && file.commit();
}

}  // namespace tarvo::render
