#pragma once

#include <cstddef>
#include <vector>

namespace tarvo::motion {

// The cut below the work surface, kept for the magnified view: every step
// point at or below Z 0 (path) with its projection on the surface, and a
// vertical wall edge at every segment end below the surface. Internal units.
// Each list starts with a placeholder at index 0; real entries are 1 to upper.
class StoredPath {
public:
    StoredPath() { reset(); }

    void reset();
    void recordStep(double x, double y, double z);
    void recordWall(double x, double y, double z);

    std::size_t pathUpper() const { return pathx.size() - 1; }
    std::size_t wallUpper() const { return wallx0.size() - 1; }

    std::vector<double> pathx, pathy, pathz;
    std::vector<double> surfx, surfy, surfz;
    std::vector<double> wallx0, wally0, wallz0;
    std::vector<double> wallx1, wally1, wallz1;
};

}  // namespace tarvo::motion
