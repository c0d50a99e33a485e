#include "model/PetriNetOrientation.h"

#include <vector>

#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/PetriNetLookup.h"

namespace {}  // namespace

void PetriNetOrientation::orientAtElements() {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto& c = static_cast<GEConnection&>(*e);
        if (!c.isState2()) continue;
        for (int32_t id : c.getBeginIDs()) {
            if (namesElement(id)) c.setState0();
        }
        // After turning round, the end list holds the former begin IDs, none of which
        // names an element: the first element at the end decides alone.
        for (int32_t id : c.getEndIDs()) {
            if (!namesElement(id)) continue;
            if (c.isState2()) {
                c.setState0();
                c.reverse();
            } else {
                c.setState1();
            }
            break;
        }
    }
}

void PetriNetOrientation::orientAlongChains() {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto& c = static_cast<GEConnection&>(*e);
        if (!c.isState2()) continue;
        orientBeginSide(c);
        orientEndSide(c);
    }
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto& c = static_cast<GEConnection&>(*e);
        if (c.isState2()) c.setState1();
    }
}

// One directed connector at the begin: c continues it, turned round when that connector
// starts at c. Several (or none): c feeds the ones that end at it and leaves the others;
// doing both leaves it undecided.
void PetriNetOrientation::orientBeginSide(GEConnection& c) const {
    const int32_t id = c.getID();
    if (c.getBeginIDsCount() == 1) {
        const GEConnection* d = connectionOf(connections_, c.getBeginID(0));
        if (d && d->isState0()) {
            c.setState0();
            if (d->hasBeginID(id)) c.reverse();
        }
        return;
    }
    bool feeds = false;
    bool leaves = false;
    for (int32_t other : c.getBeginIDs()) {
        const GEConnection* d = connectionOf(connections_, other);
        if (!d) continue;
        if (d->hasEndID(id)) {
            feeds = true;
        } else {
            leaves = true;
        }
    }
    if (feeds && leaves) return;
    c.setState0();
    if (leaves) c.reverse();
}

// The end side confirms or contradicts what the begin side found: a contradiction makes
// c two-way.
void PetriNetOrientation::orientEndSide(GEConnection& c) const {
    const int32_t id = c.getID();
    bool meets = false;
    bool continues = false;
    if (c.getEndIDsCount() == 1) {
        const GEConnection* d = connectionOf(connections_, c.getEndID(0));
        if (!d || !d->isState0()) return;
        meets = d->hasEndID(id);
    } else {
        for (int32_t other : c.getEndIDs()) {
            const GEConnection* d = connectionOf(connections_, other);
            if (!d) continue;
            if (d->hasEndID(id)) {
                meets = true;
            } else {
                continues = true;
            }
        }
        if (meets && continues) return;
    }
    if (c.isState2()) {
        c.setState0();
        if (meets) c.reverse();
    } else {
        c.setState1();
    }
}

void PetriNetOrientation::dropSiblingLinks() {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto& c = static_cast<GEConnection&>(*e);
        if (!c.isState0()) continue;
        if (c.getBeginIDsCount() > 1) dropBeginSiblings(c);
        if (c.getEndIDsCount() > 1) dropEndSiblings(c);
    }
}

void PetriNetOrientation::dropBeginSiblings(GEConnection& c) const {
    const int32_t id = c.getID();
    const std::vector<int32_t> ids = c.getBeginIDs();
    bool atElement = false;
    for (int32_t other : ids) atElement = atElement || namesElement(other);
    for (int32_t other : ids) {
        GEConnection* d = connectionOf(connections_, other);
        if (!d || !d->isState0()) continue;
        if (atElement || d->hasBeginID(id)) {
            c.removeBeginID(other);
            d->removeBeginID(id);
        }
    }
}

void PetriNetOrientation::dropEndSiblings(GEConnection& c) const {
    const int32_t id = c.getID();
    const std::vector<int32_t> ids = c.getEndIDs();
    bool atElement = false;
    for (int32_t other : ids) atElement = atElement || namesElement(other);
    for (int32_t other : ids) {
        GEConnection* d = connectionOf(connections_, other);
        if (!d || !d->isState0()) continue;
        if (atElement || d->hasEndID(id)) {
            c.removeEndID(other);
            d->removeEndID(id);
        }
    }
}

bool PetriNetOrientation::namesElement(int32_t id) const {
    return active_.getByID(id) != nullptr || passive_.getByID(id) != nullptr;
}
