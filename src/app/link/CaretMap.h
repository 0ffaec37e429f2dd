#pragma once

#include <QString>
#include <string>
#include <vector>

namespace tarvo::app {

// The interpreter counts bytes of the UTF-8 program with its own line
// endings; the editor counts characters with one per line break. The caret
// the interpreter sets always stands on a line feed, at the start or at the
// end, so matching line feeds is enough.
class CaretMap {
public:
    CaretMap() = default;
    CaretMap(const std::string& program, const QString& editorText);

    qint64 characterAt(qint64 byteIndex) const;

private:
    std::vector<qint64> feedBytes_;
    std::vector<qint64> feedCharacters_;
    qint64 programBytes_ = 0;
    qint64 editorCharacters_ = 0;
};

}  // namespace tarvo::app
