#pragma once

namespace tarvo::cli {

// Whether this runner was built with the render layer: the options refuse
// the picture options of a runner without it.
bool picturesBuilt();

}  // namespace tarvo::cli
