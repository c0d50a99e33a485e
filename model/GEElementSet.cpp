#include "model/GEElementSet.h"

#include <set>

#include "model/GEGraphElement.h"

GEElementSet::GEElementSet() : cursor_(entries_.end()) {}

bool GEElementSet::insert(GEGraphElement* element) {
    if (!element) return false;
    int32_t key = element->getID();
    if (key == GEGraphElement::UNSET) key = getCount();
    return entries_.emplace(key, element).second;
}

GEGraphElement* GEElementSet::getFirst() {
    cursor_ = entries_.begin();
    return atCursor();
}

GEGraphElement* GEElementSet::getNext() {
    if (cursor_ != entries_.end()) ++cursor_;
    return atCursor();
}

GEGraphElement* GEElementSet::getByID(int32_t id) const {
    auto it = entries_.find(id);
    return it == entries_.end() ? nullptr : it->second;
}

void GEElementSet::setCursor(const GEGraphElement* element) {
    if (!element) return;
    if (element->getID() != GEGraphElement::UNSET) {
        cursor_ = entries_.find(element->getID());
        return;
    }
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->second == element) {
            cursor_ = it;
            return;
        }
    }
}

void GEElementSet::clear() {
    entries_.clear();
    cursor_ = entries_.end();
}

// An element inserted twice (arcs are keyed by position, not by identity) is deleted
// once.
void GEElementSet::destroyElements() {
    std::set<GEGraphElement*> elements;
    for (const auto& entry : entries_) elements.insert(entry.second);
    clear();
    for (GEGraphElement* element : elements) delete element;
}

GEGraphElement* GEElementSet::atCursor() const {
    return cursor_ == entries_.end() ? nullptr : cursor_->second;
}
