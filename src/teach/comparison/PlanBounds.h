#pragma once

#include "teach/ideal/IdealSegment.h"

namespace tarvo::teach {

// The rectangle a drawing of the plan view (XY) must hold, internal units
// (tenths of a millimetre); grows point by point and path by path.
struct PlanBounds {
    double left = 0, bottom = 0, right = 0, top = 0;
    bool empty = true;

    void take(double x, double y);
    // The path's ends, and where an arc reaches beyond them.
    void take(const IdealSegment& s);
    // The longer side; 0 while empty.
    double extent() const;
};

}  // namespace tarvo::teach
