#include "model/GEConnection.h"

#include <algorithm>

namespace {

void removeFirst(std::vector<int32_t>& ids, int32_t id) {
    auto it = std::find(ids.begin(), ids.end(), id);
    if (it != ids.end()) ids.erase(it);
}

bool contains(const std::vector<int32_t>& ids, int32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

int32_t entryAt(const std::vector<int32_t>& ids, int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= ids.size()) return GEGraphElement::UNSET;
    return ids[static_cast<std::size_t>(i)];
}

}  // namespace

void GEConnection::addUnique(std::vector<int32_t>& ids, int32_t id) const {
    if (id != getID() && !contains(ids, id)) ids.push_back(id);
}

void GEConnection::addBeginID(int32_t id) {
    addUnique(beginIDs_, id);
}

void GEConnection::addEndID(int32_t id) {
    addUnique(endIDs_, id);
}

void GEConnection::removeBeginID(int32_t id) {
    removeFirst(beginIDs_, id);
}

void GEConnection::removeEndID(int32_t id) {
    removeFirst(endIDs_, id);
}

int32_t GEConnection::getBeginID(int32_t i) const {
    return entryAt(beginIDs_, i);
}

int32_t GEConnection::getEndID(int32_t i) const {
    return entryAt(endIDs_, i);
}

int32_t GEConnection::getBeginIDsCount() const {
    return static_cast<int32_t>(beginIDs_.size());
}

int32_t GEConnection::getEndIDsCount() const {
    return static_cast<int32_t>(endIDs_.size());
}

bool GEConnection::hasBeginID(int32_t id) const {
    return contains(beginIDs_, id);
}

bool GEConnection::hasEndID(int32_t id) const {
    return contains(endIDs_, id);
}

// With one side empty, the swap moves the other side's IDs across in order.
void GEConnection::reverse() {
    beginIDs_.swap(endIDs_);
}
