#include "motion/StoredPath.h"

namespace tarvo::motion {

void StoredPath::reset() {
    for (auto* list : {&pathx, &pathy, &pathz, &surfx, &surfy, &surfz}) list->clear();
    for (auto* list : {&pathx, &pathy, &pathz}) list->push_back(0.0);
    for (auto* list : {&wallx0, &wally0, &wallz0, &wallx1, &wally1, &wallz1}) list->assign(1, 0.0);
    surfaceKept_ = false;
    offered_ = keepMask_ = moves_ = 0;
    counted_ = 1;
    limitEntries();
}

void StoredPath::limitEntries() {
    const std::size_t lists = surfaceKept_ ? 6 : 3;
    entryLimit_ = budget_ / (lists * sizeof(double));
}

// Entries 1, 3, 5, … stand for the step points 0, 2k, 4k, … offered since
// reset(), which are the ones recorded from now on at the doubled keep().
bool StoredPath::thin() {
    keepOddEntries();
    keepMask_ = 2 * keepMask_ + 1;
    return keepMask_ == 1;
}

void StoredPath::keepOddEntries() {
    for (auto* list : {&pathx, &pathy, &pathz, &surfx, &surfy, &surfz}) list->keepOddEntries();
}

// Lists that keep one step point in a power of two already hold only the
// points a keep() up to it keeps; past it they thin as whole lists do.
bool StoredPath::countedFull() {
    counted_ = 1 + counted_ / 2;
    keepMask_ = 2 * keepMask_ + 1;
    if (sampleMask_ != 0 && keepMask_ > sampleMask_) keepOddEntries();
    return keepMask_ == 1;
}

void StoredPath::keepEvery(std::size_t stride) {
    sampleMask_ = stride == 0 ? 0 : (stride & (~stride + 1)) - 1;
}

void StoredPath::keepPoint(double x, double y, double z) {
    pathx.push_back(x);
    pathy.push_back(y);
    pathz.push_back(z);
    if (surfaceKept_) recordSurface(x, y);
}

void StoredPath::recordSurface(double x, double y) {
    surfx.push_back(x);
    surfy.push_back(y);
    surfz.push_back(0.0);
}

void StoredPath::recordWall(double x, double y, double z) {
    wallx0.push_back(x);
    wallx1.push_back(x);
    wally0.push_back(y);
    wally1.push_back(y);
    wallz0.push_back(0.0);
    wallz1.push_back(z);
}

void StoredPath::keepSurface() {
    ++moves_;
    if (surfaceKept_) return;
    for (std::size_t i = 0; i < pathx.size(); ++i) {
        surfx.push_back(pathx[i]);
        surfy.push_back(pathy[i]);
        surfz.push_back(0.0);
    }
    surfaceKept_ = true;
    limitEntries();
}

bool StoredPath::rewind(const Mark& mark) {
    if (mark.keepMask != keepMask_ || mark.moves != moves_ || sampleMask_ != 0) return false;
    if (countsOnly_) counted_ = mark.path;
    if (!countsOnly_) {
        for (auto* list : {&pathx, &pathy, &pathz}) list->truncate(mark.path);
    }
    if (surfaceKept_) {
        for (auto* list : {&surfx, &surfy, &surfz}) list->truncate(mark.path);
    }
    for (auto* list : {&wallx0, &wally0, &wallz0, &wallx1, &wally1, &wallz1}) {
        list->resize(mark.wall);
    }
    offered_ = mark.offered;
    return true;
}

std::size_t StoredPath::cutBytes() const {
    std::size_t bytes = 0;
    for (const auto* list : {&pathx, &pathy, &pathz, &surfx, &surfy, &surfz})
        bytes += list->bytes();
    return bytes;
}

}  // namespace tarvo::motion
