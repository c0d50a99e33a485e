// The shapes selected in a window (or held by a query's answer) and how they are
// reported: sub-selecting a shape inside a group (action 3) leaves its groups
// super-selected; by default a sub-selected shape is reported as its top-level group,
// and with iteration mode 256 as itself, without the super-selected groups.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/ComRef.h"

namespace simhost {

class Shape;

class SelectionSet {
public:
    enum class Mark { Selected, SuperSelected, SubSelected };
    struct Entry {
        visio::ComRef<Shape> shape;
        Mark mark;
    };

    // Applies a Visio selection action (1 deselect, 2 select, 3 sub-select, 256
    // deselect all); answers whether the selection changed.
    bool apply(Shape& shape, int16_t action);
    bool clear();
    // Drops a shape that is being deleted (with its members); true when it was selected.
    bool forget(const Shape& shape);
    SelectionSet();
    ~SelectionSet();
    SelectionSet(const SelectionSet&) = delete;
    SelectionSet& operator=(const SelectionSet&) = delete;

    void add(const visio::ComRef<Shape>& shape);

    const std::vector<Entry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    // Counts the changes to the entries: what is reported stays the same while it stays
    // (and no shape is deleted).
    uint64_t changeCount() const { return changes_; }
    std::vector<visio::ComRef<Shape>> reported(int32_t iterationMode) const;
    // The group AddToGroup moves the other selected shapes into: the last selected or
    // sub-selected group; null when none.
    Shape* targetGroup() const;

private:
    Entry* find(const Shape& shape);
    bool select(Shape& shape);
    bool subSelect(Shape& shape);

    // The answer of a mutator, counted when it changed the entries.
    bool noteChange(bool changed);

    std::vector<Entry> entries_;
    uint64_t changes_ = 0;
};

}  // namespace simhost
