#pragma once

class QByteArray;
class QString;

namespace tarvo::render {

// Writes a file whole or leaves the old one as it was; false if it could not.
bool writeWhole(const QString& path, const QByteArray& bytes);

}  // namespace tarvo::render
