// Visio's spatial relation of one outline to another, with a tolerance: 2 when the first
// contains the second, 4 when it lies in the second, 1 when their insides overlap by
// more than the tolerance, 8 when they touch (they come within the tolerance of each
// other, their insides overlapping by no more than it), 0 otherwise. Curves have no
// inside: two connectors that cross or meet touch, and so does a connector that runs
// into or across a shape without lying in it.
#pragma once

#include <cstdint>
#include <vector>

#include "simhost/geometry/Outline.h"

namespace simhost::geometry {

class OutlineRelation {
public:
    static int16_t of(const Outline& shape, const Outline& other, double tolerance);
    // Every point of inner lies in outer's regions or within the tolerance of them.
    static bool liesWithin(const Outline& inner, const Outline& outer, double tolerance);

private:
    // Some point of the segment ab lies farther than the tolerance outside all regions.
    static bool segmentLeaves(const std::vector<const ConvexPiece*>& regions, Point2 a, Point2 b,
                              double tolerance);
};

}  // namespace simhost::geometry
