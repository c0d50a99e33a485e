#include "simhost/geometry/OutlineCache.h"

#include <algorithm>

#include "simhost/geometry/OutlineReader.h"
#include "simhost/geometry/OutlineRelation.h"
#include "simhost/host/Application.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace simhost::geometry {

void OutlineCache::refresh(Application& application) {
    if (refreshed_ && application.changeCount() == changeCount_) return;
    for (auto& outlines : outlines_) outlines.clear();
    for (auto& neighbourhoods : neighbourhoods_) neighbourhoods.clear();
    lastSearch_ = Search();
    changeCount_ = application.changeCount();
    refreshed_ = true;
}

const Outline& OutlineCache::pageOutline(Shape& shape, bool includeHidden) {
    auto& outlines = outlines_[includeHidden ? 1 : 0];
    auto found = outlines.find(&shape);
    if (found != outlines.end()) return found->second.outline;
    OutlineEntry entry{visio::ComRef<Shape>(&shape), OutlineReader::onPage(shape, includeHidden)};
    return outlines.emplace(&shape, std::move(entry)).first->second.outline;
}

const Neighbourhood& OutlineCache::neighbourhood(Shapes& collection, bool includeHidden) {
    auto& neighbourhoods = neighbourhoods_[includeHidden ? 1 : 0];
    auto found = neighbourhoods.find(&collection);
    if (found != neighbourhoods.end()) return found->second.neighbourhood;
    NeighbourhoodEntry entry{visio::ComRef<Shapes>(&collection), Neighbourhood()};
    entry.neighbourhood.shapes = collection.list();
    std::vector<Bounds> boxes;
    boxes.reserve(entry.neighbourhood.shapes.size());
    for (const auto& shape : entry.neighbourhood.shapes)
        boxes.push_back(pageOutline(*shape, includeHidden).bounds());
    entry.neighbourhood.index.build(boxes);
    return neighbourhoods.emplace(&collection, std::move(entry)).first->second.neighbourhood;
}

const OutlineCache::Related& OutlineCache::related(Shape& shape, Shapes& collection,
                                                   bool includeHidden, double tolerance) {
    Search& last = lastSearch_;
    if (last.shape.get() == &shape && last.collection.get() == &collection &&
        last.includeHidden == includeHidden && last.tolerance == tolerance)
        return last.related;
    last = Search{visio::ComRef<Shape>(&shape),
                  visio::ComRef<Shapes>(&collection),
                  includeHidden,
                  tolerance,
                  {}};
    const Outline& own = pageOutline(shape, includeHidden);
    if (own.empty()) return last.related;
    const Neighbourhood& near = neighbourhood(collection, includeHidden);
    for (size_t i : near.index.query(own.bounds().grown(tolerance))) {
        Shape& other = *near.shapes[i];
        if (shape.isInside(other) || other.isInside(shape)) continue;
        const int16_t relation =
            OutlineRelation::of(own, pageOutline(other, includeHidden), tolerance);
        if (relation != 0) last.related.emplace_back(near.shapes[i], relation);
    }
    std::sort(last.related.begin(), last.related.end(),
              [](const auto& a, const auto& b) { return a.first->id() < b.first->id(); });
    return last.related;
}

}  // namespace simhost::geometry
