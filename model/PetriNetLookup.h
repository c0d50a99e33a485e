// Looking up the connections of a Petri net model by the IDs its connections list.
#pragma once

#include <cstdint>

#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/GEWeightedConnection.h"

// The connection of the shape with that ID, or null. Only an entry keyed by its own
// shape ID is one: an element that came without a shape is keyed by position.
inline GEConnection* connectionOf(const GEElementSet& connections, int32_t id) {
    GEGraphElement* e = connections.getByID(id);
    if (!e || e->getID() != id) return nullptr;
    return static_cast<GEConnection*>(e);
}

// The same in a Petri net model, whose connections are all weighted.
inline GEWeightedConnection* weightedConnectionOf(const GEElementSet& connections, int32_t id) {
    return static_cast<GEWeightedConnection*>(connectionOf(connections, id));
}
