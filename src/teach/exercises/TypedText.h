#pragma once

#include <string_view>

namespace tarvo::teach {

// A field as a student typed it (UTF-8), without the spaces around it: every
// character Unicode counts as white space, the tab and line breaks, the
// no-break space and the ideographic space (U+3000) a Chinese input method
// types among them. A field of spaces alone is left empty, as never typed.
std::string_view trimmedText(std::string_view typed);

}  // namespace tarvo::teach
