#include "app/link/CaretMap.h"

#include <algorithm>

namespace tarvo::app {

CaretMap::CaretMap(const std::string& program, const QString& editorText)
    : programBytes_(static_cast<qint64>(program.size())), editorCharacters_(editorText.size()) {
    for (std::size_t i = 0; i < program.size(); ++i) {
        if (program[i] == '\n') feedBytes_.push_back(static_cast<qint64>(i));
    }
    for (qsizetype i = 0; i < editorText.size(); ++i) {
        if (editorText[i] == QLatin1Char('\n')) feedCharacters_.push_back(i);
    }
}

qint64 CaretMap::characterAt(qint64 byteIndex) const {
    if (byteIndex >= programBytes_) return editorCharacters_;
    const auto found = std::lower_bound(feedBytes_.begin(), feedBytes_.end(), byteIndex);
    if (found == feedBytes_.end() || *found != byteIndex) return 0;
    const auto line = static_cast<std::size_t>(found - feedBytes_.begin());
    return line < feedCharacters_.size() ? feedCharacters_[line] : editorCharacters_;
}

}  // namespace tarvo::app
