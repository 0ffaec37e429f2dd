#pragma once

#include "motion/exact/Wide.h"

namespace tarvo::motion {

// Square roots of exact quotients, decided in integers only, so a root reads
// the same on every compiler and never depends on how a platform rounds a
// long double.

// ⌊√v⌋ and what is left over, v − ⌊√v⌋².
struct WholeRoot {
    WideUnsigned root = 0, rest = 0;
};
WholeRoot wholeRoot(WideUnsigned v);

// The double nearest √(n / d), halves to the even neighbour; d > 0 and
// below 2^124. The hardware's square root only guesses it; the guess is
// taken when integer products prove it, otherwise the root is worked out
// bit by bit (nearestRootLongHand).
double nearestRoot(WideUnsigned n, WideUnsigned d);
double nearestRootLongHand(WideUnsigned n, WideUnsigned d);

// √(n / d) × 10^places, rounded to the nearest whole number (halves up),
// and whether that whole number is the root itself, exactly. d > 0 and below
// 2^120; the result and n / d × 10^(2·places) must stay below 2^120; places
// at most 18. Guessed and proved as above, or worked out digit by digit
// (rootToPlacesLongHand).
struct RoundedRoot {
    WideUnsigned digits = 0;
    bool exact = false;
    friend bool operator==(const RoundedRoot&, const RoundedRoot&) = default;
};
RoundedRoot rootToPlaces(WideUnsigned n, WideUnsigned d, int places);
RoundedRoot rootToPlacesLongHand(WideUnsigned n, WideUnsigned d, int places);

}  // namespace tarvo::motion
