// A uniform grid over boxes: a query looks only at the boxes filed in the grid cells its
// own box covers, so that a page of thousands of shapes answers a neighbour query from a
// handful of them. Boxes that would cover too many cells are looked at by every query.
#pragma once

#include <cstddef>
#include <vector>

#include "simhost/geometry/Bounds.h"

namespace simhost::geometry {

class GridIndex {
public:
    // Files the boxes by their position in the list; empty boxes are left out.
    void build(const std::vector<Bounds>& boxes);
    // The positions of the boxes that may meet the box, ascending.
    std::vector<size_t> query(const Bounds& box) const;

private:
    // The columns and rows the box covers, clamped to the grid; false when it misses.
    bool span(const Bounds& box, int* column0, int* row0, int* column1, int* row1) const;

    Bounds extent_;
    double cellWidth_ = 1;
    double cellHeight_ = 1;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::vector<size_t>> cells_;
    std::vector<size_t> large_;
};

}  // namespace simhost::geometry
