// The elements of one kind that a diagram model keeps, ordered by shape ID.
#pragma once

#include <cstdint>
#include <map>

class GEGraphElement;

// Elements are keyed by shape ID; elements without one (arcs) by the number of entries
// when they are inserted. One built-in cursor walks the set: a loop nested in another
// over the same set must put the outer position back with setCursor.
//
// The set deletes its elements only in destroyElements; its destructor and clear leave
// them alone.
class GEElementSet {
public:
    GEElementSet();
    ~GEElementSet() = default;
    GEElementSet(const GEElementSet&) = delete;
    GEElementSet& operator=(const GEElementSet&) = delete;

    // Takes the element unless its key is already present (or it is null); answers
    // whether it did, so that a caller can dispose of what was refused.
    bool insert(GEGraphElement* element);
    GEGraphElement* getFirst();
    // Null once the cursor has passed the last element.
    GEGraphElement* getNext();
    GEGraphElement* end() const { return nullptr; }
    int32_t getCount() const { return static_cast<int32_t>(entries_.size()); }
    // Does not move the cursor.
    GEGraphElement* getByID(int32_t id) const;
    void setCursor(const GEGraphElement* element);
    void clear();
    void destroyElements();

private:
    GEGraphElement* atCursor() const;

    std::map<int32_t, GEGraphElement*> entries_;
    std::map<int32_t, GEGraphElement*>::iterator cursor_;
};
