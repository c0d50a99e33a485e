// An upright box around points in some coordinates; empty until the first point.
#pragma once

#include <algorithm>

#include "simhost/host/Transform.h"

namespace simhost::geometry {

struct Bounds {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    bool empty = true;

    void add(Point2 p) {
        if (empty) {
            left = right = p.x;
            bottom = top = p.y;
            empty = false;
            return;
        }
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    void merge(const Bounds& other) {
        if (other.empty) return;
        add(Point2{other.left, other.bottom});
        add(Point2{other.right, other.top});
    }
    // How far apart the boxes lie along the axis on which they are farthest apart;
    // negative when they overlap.
    double gapTo(const Bounds& o) const {
        return std::max(std::max(o.left - right, left - o.right),
                        std::max(o.bottom - top, bottom - o.top));
    }
    bool near(const Bounds& o, double tolerance) const {
        return !empty && !o.empty && gapTo(o) <= tolerance;
    }
    Bounds grown(double margin) const {
        Bounds b = *this;
        if (empty) return b;
        b.left -= margin;
        b.bottom -= margin;
        b.right += margin;
        b.top += margin;
        return b;
    }
};

}  // namespace simhost::geometry
