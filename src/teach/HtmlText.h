#pragma once

#include <string>

namespace tarvo::teach {

// A text made safe to stand in a web page, inside an element or an
// attribute: & < > " and ' as entities.
std::string htmlEscaped(const std::string& text);

}  // namespace tarvo::teach
