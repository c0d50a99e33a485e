#include "simhost/geometry/OutlineCache.h"

#include "simhost/geometry/OutlineReader.h"
#include "simhost/host/Application.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace simhost::geometry {

void OutlineCache::refresh(Application& application) {
    if (refreshed_ && application.changeCount() == changeCount_) return;
    for (auto& outlines : outlines_) outlines.clear();
    for (auto& neighbourhoods : neighbourhoods_) neighbourhoods.clear();
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

}  // namespace simhost::geometry
