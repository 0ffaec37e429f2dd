#pragma once

#include <string>

namespace tarvo::teach {

// A double to `places` decimals, its exact value rounded half away from
// zero: 0.0625 to three places is "0.063". The window has always shown its
// figures so; the C library would round that tie to even, "0.062", so the
// same figure would read otherwise in the web page.
std::string roundedText(double value, int places);

}  // namespace tarvo::teach
