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
//
// The path and surface lists hold at most `budget` bytes of entries (1 GiB
// unless told otherwise: 44 M step points, half as many once the surface is
// kept). A run that would pass it goes on: every other entry goes, and from
// then on only every keep()-th step point below the surface is recorded,
// keep() doubling each time the lists fill up again.
class StoredPath {
public:
    static constexpr std::size_t defaultBudget = std::size_t{1} << 30;

    explicit StoredPath(std::size_t budget = defaultBudget) : budget_(budget) { reset(); }

    void reset();
    // Called for every step point below the surface, so kept inline. True
    // when this point filled the lists for the first time since reset().
    [[gnu::always_inline]] bool recordStep(double x, double y, double z) {
        if ((offered_++ & keepMask_) != 0) return false;
        if (countsOnly_) return countStep();
        if (sampleMask_ != 0) {
            if (((offered_ - 1) & sampleMask_) == 0) keepPoint(x, y, z);
            return countStep();
        }
        pathx.push_back(x);
        pathy.push_back(y);
        pathz.push_back(z);
        if (surfaceKept_) recordSurface(x, y);
        return pathx.size() > entryLimit_ && thin();
    }
    // Recorded entries stand for this many step points each: 1 until the
    // lists first filled up.
    std::size_t keep() const { return keepMask_ + 1; }
    // The step points an entry of the lists stands for: keep(), or more
    // where only every so many are kept for a replay.
    std::size_t keptEvery() const {
        return (keepMask_ > sampleMask_ ? keepMask_ : sampleMask_) + 1;
    }
    void recordWall(double x, double y, double z);

    // The entries a list would hold, as if every kept step point were in it.
    std::size_t pathUpper() const {
        return (countsOnly_ || sampleMask_ != 0 ? counted_ : pathx.size()) - 1;
    }

    // From the next reset() on, for a run whose cut nobody looks at: the step
    // points are counted as if they were recorded, budget and all, but not
    // kept, so the lists take no memory. The wall edges are kept.
    void countOnly() { countsOnly_ = true; }
    // For a run whose cut is only ever replayed at every `stride`-th entry
    // of the lists, as the magnified view replays it at the end of the
    // runner's run: the step points are counted as if they were recorded,
    // budget and all, but only those a replay at that stride can reach, at
    // this keep() or any later one, are kept: one in the largest power of
    // two that divides the stride. Given before the run records its first
    // step point; 1 keeps every point again.
    void keepEvery(std::size_t stride);
    // Whether recordStep keeps the points it is given: a caller need not
    // work out points that are only counted.
    bool keepsPoints() const { return !countsOnly_; }
    std::size_t wallUpper() const { return wallx0.size() - 1; }

    // Called before every drag moves the entries in place. Fills the surface
    // lists, once; from then on they are recorded too.
    void keepSurface();
    // The surface trace's coordinate lists as drawn, kept or standing in.
    const ChunkedList& surfaceXs() const { return surfaceKept_ ? surfx : pathx; }
    const ChunkedList& surfaceYs() const { return surfaceKept_ ? surfy : pathy; }

    // How far the lists had come, for a step back to go back to.
    struct Mark {
        std::size_t path = 0, wall = 0, offered = 0, keepMask = 0, moves = 0;
    };
    Mark mark() const { return {pathUpper() + 1, wallx0.size(), offered_, keepMask_, moves_}; }
    // Drops what was recorded after the mark; false, changing nothing, when
    // the lists were thinned or moved by a drag since then, or keep only
    // some of the step points.
    bool rewind(const Mark& mark);

    // Heap memory of the path and surface lists together.
    std::size_t cutBytes() const;

    ChunkedList pathx, pathy, pathz;
    ChunkedList surfx, surfy, surfz;  // empty until keepSurface()
    std::vector<double> wallx0, wally0, wallz0;
    std::vector<double> wallx1, wally1, wallz1;

private:
    void recordSurface(double x, double y);
    bool thin();
    // As push_back and keepOddEntries would change the lists' length.
    bool countStep() { return ++counted_ > entryLimit_ && countedFull(); }
    bool countedFull();
    void keepPoint(double x, double y, double z);
    void keepOddEntries();
    void limitEntries();

    std::size_t budget_;
    std::size_t entryLimit_ = 0;  // entries per list the budget holds
    std::size_t offered_ = 0;     // step points below the surface since reset()
    std::size_t keepMask_ = 0;    // keep() - 1: keep() is a power of two
    std::size_t sampleMask_ = 0;  // one less than the power of two keepEvery() keeps
    bool surfaceKept_ = false;
    bool countsOnly_ = false;
    std::size_t counted_ = 1;  // entries a kept path would hold, placeholder included
    std::size_t moves_ = 0;    // drags that moved the entries since reset()
};

}  // namespace tarvo::motion
