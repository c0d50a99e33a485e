// The outlines and neighbour indexes worked out since the drawing last changed. Every
// change the host makes to a document (a formula, a row, a shape added, moved into a
// group or deleted, a page) moves the application's change count, and the cache starts
// afresh: what it answers always follows the drawing, and a run of queries over an
// unchanged page (a checker building its adjacency) reads each shape only once.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/visio/ComRef.h"
#include "simhost/geometry/GridIndex.h"
#include "simhost/geometry/Outline.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace simhost {
class Application;
}

namespace simhost::geometry {

// The shapes of one collection (a page's or a group's) that neighbour queries search,
// with a grid over their outlines' page boxes.
struct Neighbourhood {
    std::vector<visio::ComRef<Shape>> shapes;
    GridIndex index;
};

class OutlineCache {
public:
    // Drops everything when the application's drawings changed since the last call.
    void refresh(Application& application);
    // The outline in page coordinates; hidden geometry counts when asked.
    const Outline& pageOutline(Shape& shape, bool includeHidden);
    const Neighbourhood& neighbourhood(Shapes& collection, bool includeHidden);
    // The relation of the shape to each shape of the collection that lies against it, in
    // the order of their IDs, worked out once for the shape searched last: a client that
    // searches once for each relation asks for the same shape again.
    using Related = std::vector<std::pair<visio::ComRef<Shape>, int16_t>>;
    const Related& related(Shape& shape, Shapes& collection, bool includeHidden, double tolerance);

private:
    struct OutlineEntry {
        visio::ComRef<Shape> shape;  // keeps the key's address from being reused
        Outline outline;
    };
    struct NeighbourhoodEntry {
        visio::ComRef<Shapes> collection;
        Neighbourhood neighbourhood;
    };

    struct Search {
        visio::ComRef<Shape> shape;
        visio::ComRef<Shapes> collection;
        bool includeHidden = false;
        double tolerance = 0;
        Related related;
    };

    bool refreshed_ = false;
    uint64_t changeCount_ = 0;
    std::unordered_map<const Shape*, OutlineEntry> outlines_[2];
    std::unordered_map<const Shapes*, NeighbourhoodEntry> neighbourhoods_[2];
    Search lastSearch_;
};

}  // namespace simhost::geometry
