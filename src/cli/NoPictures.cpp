#include "cli/Pictures.h"

namespace tarvo::cli {

bool picturesBuilt() {
    return false;
}

// Options refuse picture files in such a runner, so none is ever asked for.
std::unique_ptr<Pictures> makePictures(const Options&, int&, char**) {
    return nullptr;
}

}  // namespace tarvo::cli
