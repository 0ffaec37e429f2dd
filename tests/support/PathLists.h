#pragma once

#include <vector>

#include "motion/StoredPath.h"

namespace tarvo::test {

inline std::vector<double> values(const motion::ChunkedList& list) {
    std::vector<double> out;
    for (std::size_t i = 0; i < list.size(); ++i) out.push_back(list[i]);
    return out;
}

// The twelve lists of a stored path: path, surface, wall top, wall bottom; x, y, z each.
inline std::vector<std::vector<double>> everything(const motion::StoredPath& p) {
    std::vector<std::vector<double>> out;
    for (const auto* list : {&p.pathx, &p.pathy, &p.pathz, &p.surfaceXs(), &p.surfaceYs()}) {
        out.push_back(values(*list));
    }
    // The surface lies at z 0: until a drag keeps its lists, the path's stand in.
    out.push_back(p.surfz.size() != 0 ? values(p.surfz) : std::vector<double>(p.pathx.size()));
    out.insert(out.end(), {p.wallx0, p.wally0, p.wallz0, p.wallx1, p.wally1, p.wallz1});
    return out;
}

}  // namespace tarvo::test
