#include "web/CaretPlaces.h"

#include <algorithm>

namespace tarvo::web {

CaretPlace CaretPlaces::at(std::int64_t byteIndex) {
    const std::int64_t to = std::clamp<std::int64_t>(byteIndex, 0, std::ssize(program_));
    if (to < byte_) {
        byte_ = 0;
        last_ = {};
    }
    for (; byte_ < to; ++byte_) {
        const auto c = static_cast<unsigned char>(program_[static_cast<std::size_t>(byte_)]);
        if ((c & 0xC0) == 0x80) continue;  // within a character
        // A character beyond the 16-bit plane takes two UTF-16 units.
        const std::int64_t units = c >= 0xF0 ? 2 : 1;
        last_.index += units;
        if (c == '\n') {
            ++last_.line;
            last_.column = 0;
        } else {
            last_.column += units;
        }
    }
    return last_;
}

}  // namespace tarvo::web
