#pragma once

#include "motion/exact/Wide.h"

namespace tarvo::motion {

// Square roots of exact quotients, worked out in integers only, so a root
// reads the same on every compiler and never depends on how a platform
// rounds a long double.

// ⌊√v⌋ and what is left over, v − ⌊√v⌋².
struct WholeRoot {
    WideUnsigned root = 0, rest = 0;
};
WholeRoot wholeRoot(WideUnsigned v);

// The double nearest √(n / d), halves to the even neighbour; d > 0 and
// below 2^124.
double nearestRoot(WideUnsigned n, WideUnsigned d);

// √(n / d) × 10^places, rounded to the nearest whole number (halves up),
// and whether that whole number is the root itself, exactly. d > 0 and below
// 2^120; the result and n / d × 10^(2·places) must stay below 2^120.
struct RoundedRoot {
    WideUnsigned digits = 0;
    bool exact = false;
};
RoundedRoot rootToPlaces(WideUnsigned n, WideUnsigned d, int places);

}  // namespace tarvo::motion
