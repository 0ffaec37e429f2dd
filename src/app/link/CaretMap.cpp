#include "app/link/CaretMap.h"

#include <algorithm>

namespace tarvo::app {

// Made once a run, in time linear in the program's length whatever its lines.
CaretMap::CaretMap(const std::string& program, const QString& editorText)
    : programBytes_(static_cast<qint64>(program.size())), editorCharacters_(editorText.size()) {
    for (auto at = program.find('\n'); at != std::string::npos; at = program.find('\n', at + 1)) {
        feedBytes_.push_back(static_cast<qint64>(at));
    }
    for (auto at = editorText.indexOf(u'\n'); at >= 0; at = editorText.indexOf(u'\n', at + 1)) {
        feedCharacters_.push_back(at);
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
