#include "simhost/host/SelectionSet.h"

#include <algorithm>
#include <unordered_set>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Shape.h"

namespace simhost {
namespace {

Shape* topLevel(Shape* shape) {
    while (shape->group()) shape = shape->group();
    return shape;
}

}  // namespace

SelectionSet::SelectionSet() = default;

SelectionSet::~SelectionSet() = default;

void SelectionSet::add(const visio::ComRef<Shape>& shape) {
    entries_.push_back({shape, Mark::Selected});
    noteChange(true);
}

bool SelectionSet::noteChange(bool changed) {
    if (changed) ++changes_;
    return changed;
}

SelectionSet::Entry* SelectionSet::find(const Shape& shape) {
    for (Entry& e : entries_)
        if (e.shape.get() == &shape) return &e;
    return nullptr;
}

bool SelectionSet::apply(Shape& shape, int16_t action) {
    switch (action) {
        case visio::visDeselect: {
            size_t before = entries_.size();
            entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                          [&](const Entry& e) { return e.shape.get() == &shape; }),
                           entries_.end());
            return noteChange(entries_.size() != before);
        }
        case visio::visSelect:
            return noteChange(select(shape));
        case visio::visSubSelect:
            return noteChange(subSelect(shape));
        case visio::visDeselectAll:
            return clear();
        default:
            return false;
    }
}

bool SelectionSet::select(Shape& shape) {
    if (Entry* e = find(shape)) {
        if (e->mark == Mark::Selected) return false;
        e->mark = Mark::Selected;
        return true;
    }
    entries_.push_back({visio::ComRef<Shape>(&shape), Mark::Selected});
    return true;
}

bool SelectionSet::subSelect(Shape& shape) {
    bool changed = false;
    // The groups around the shape become super-selected: still reported as the
    // selection by default, skipped with iteration mode 256.
    for (Shape* g = shape.group(); g; g = g->group()) {
        if (Entry* e = find(*g)) {
            if (e->mark != Mark::SuperSelected) changed = true;
            e->mark = Mark::SuperSelected;
        } else {
            entries_.push_back({visio::ComRef<Shape>(g), Mark::SuperSelected});
            changed = true;
        }
    }
    Mark mark = shape.group() ? Mark::SubSelected : Mark::Selected;
    if (Entry* e = find(shape)) {
        changed = changed || e->mark != mark;
        e->mark = mark;
        return changed;
    }
    entries_.push_back({visio::ComRef<Shape>(&shape), mark});
    return true;
}

bool SelectionSet::clear() {
    const bool held = !entries_.empty();
    entries_.clear();
    return noteChange(held);
}

bool SelectionSet::forget(const Shape& shape) {
    size_t before = entries_.size();
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.shape->isInside(shape); }),
                   entries_.end());
    // A group stays super-selected only while something inside it is sub-selected.
    std::vector<const Shape*> emptied;
    for (const Entry& group : entries_) {
        if (group.mark != Mark::SuperSelected) continue;
        bool holds = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
            return e.shape != group.shape && e.shape->isInside(*group.shape);
        });
        if (!holds) emptied.push_back(group.shape.get());
    }
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) {
                                      return std::find(emptied.begin(), emptied.end(),
                                                       e.shape.get()) != emptied.end();
                                  }),
                   entries_.end());
    return noteChange(entries_.size() != before);
}

std::vector<visio::ComRef<Shape>> SelectionSet::reported(int32_t iterationMode) const {
    std::vector<visio::ComRef<Shape>> shapes;
    std::unordered_set<const Shape*> reportedOnce;
    auto addOnce = [&](Shape* s) {
        if (reportedOnce.insert(s).second) shapes.push_back(visio::ComRef<Shape>(s));
    };
    for (const Entry& e : entries_) {
        if (e.shape->isDeleted()) continue;
        if (iterationMode & visio::visSelModeSkipSuper) {
            if (e.mark != Mark::SuperSelected) addOnce(e.shape.get());
        } else {
            addOnce(e.mark == Mark::Selected ? e.shape.get() : topLevel(e.shape.get()));
        }
    }
    return shapes;
}

Shape* SelectionSet::targetGroup() const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->mark != Mark::SuperSelected && it->shape->isGroup() && !it->shape->isDeleted())
            return it->shape.get();
    return nullptr;
}

}  // namespace simhost
