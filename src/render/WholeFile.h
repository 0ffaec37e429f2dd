#pragma once

#include <functional>

class QByteArray;
class QIODevice;
class QString;

namespace tarvo::render {

// Writes a file whole or leaves the old one as it was; false if it could not.
bool writeWhole(const QString& path, const QByteArray& bytes);
// The same for a file made as it is written: `write` puts it out piece by
// piece and says whether all of it went.
bool writeWhole(const QString& path, const std::function<bool(QIODevice&)>& write);

}  // namespace tarvo::render
