#pragma once

#include <string>

namespace tarvo::teach {

// A text made safe to stand in an HTML or SVG page, in an element or in a
// quoted attribute: & < > " ' become their entities.
std::string htmlEscaped(const std::string& text);

}  // namespace tarvo::teach
