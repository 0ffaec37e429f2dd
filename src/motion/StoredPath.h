#pragma once

#include <cstddef>
#include <vector>

#include "motion/ChunkedList.h"

namespace tarvo::motion {

// The cut below the work surface, kept for the magnified view: every step
// point at or below Z 0 (path) with its projection on the surface, and a
// vertical wall edge at every segment end below the surface. Internal units.
// Each list starts with a placeholder at index 0; real entries are 1 to upper.
//
// Until a drag first moves the picture, every surface entry is its path entry
// at Z 0, so the surface lists stay empty and the path lists stand in for
// them; keepSurface() writes them out when they are to move on their own.
class StoredPath {
public:
    StoredPath() { reset(); }

    void reset();
    // Called for every step point below the surface, so kept inline.
    void recordStep(double x, double y, double z) {
        pathx.push_back(x);
        pathy.push_back(y);
        pathz.push_back(z);
        if (surfaceKept_) recordSurface(x, y);
    }
    void recordWall(double x, double y, double z);

    std::size_t pathUpper() const { return pathx.size() - 1; }
    std::size_t wallUpper() const { return wallx0.size() - 1; }

    // Fills the surface lists, once; from then on they are recorded too.
    void keepSurface();
    bool surfaceKept() const { return surfaceKept_; }
    // The surface trace's coordinate lists as drawn, kept or standing in.
    const ChunkedList& surfaceXs() const { return surfaceKept_ ? surfx : pathx; }
    const ChunkedList& surfaceYs() const { return surfaceKept_ ? surfy : pathy; }
    double surfaceZ(std::size_t i) const { return surfaceKept_ ? surfz[i] : 0.0; }

    // Heap memory of the path and surface lists together.
    std::size_t cutBytes() const;

    ChunkedList pathx, pathy, pathz;
    ChunkedList surfx, surfy, surfz;  // empty until keepSurface()
    std::vector<double> wallx0, wally0, wallz0;
    std::vector<double> wallx1, wally1, wallz1;

private:
    void recordSurface(double x, double y);

    bool surfaceKept_ = false;
};

}  // namespace tarvo::motion
