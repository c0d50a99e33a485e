#include "model/PetriNetConnectorEnds.h"

#include <limits>

#include "helpers/ConnectorHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/PetriNetLookup.h"

namespace {

constexpr int64_t kBeforeAnyID = std::numeric_limits<int64_t>::min();

}  // namespace

void PetriNetConnectorEnds::resolveConnectorEnds(const visio::VShapes& shapes) {
    attachPass(shapes);
    mergePass();
}

// Attaching changes only d's lists, so c's partners stay what they were when c's turn
// began. The partners are fetched by ID, which leaves the set's cursor alone; it is put
// back on c all the same, as every loop nested in a walk of the same set does.
void PetriNetConnectorEnds::attachPass(const visio::VShapes& shapes) {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        const auto& c = static_cast<const GEConnection&>(*e);
        for (GEConnection* d = nextListedConnection(c, kBeforeAnyID); d;
             d = nextListedConnection(c, d->getID())) {
            if (c.hasBeginID(d->getID())) attachToConnector(shapes, c, *d, true);
            if (c.hasEndID(d->getID())) attachToConnector(shapes, c, *d, false);
        }
        connections_.setCursor(e);
    }
}

void PetriNetConnectorEnds::mergePass() {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto& c = static_cast<GEConnection&>(*e);
        for (GEConnection* d = nextListedConnection(c, kBeforeAnyID); d;
             d = nextListedConnection(c, d->getID())) {
            if (c.hasBeginID(d->getID())) mergeBeginIDs(c, *d);
            if (c.hasEndID(d->getID())) mergeEndIDs(c, *d);
        }
        connections_.setCursor(e);
    }
}

void PetriNetConnectorEnds::attachToConnector(const visio::VShapes& shapes, const GEConnection& c,
                                              GEConnection& d, bool atBegin) {
    const int32_t id = c.getID();
    if (d.hasBeginID(id) || d.hasEndID(id)) return;
    const visio::VShape cShape = shapeOf(shapes, id);
    const visio::VShape dShape = shapeOf(shapes, d.getID());
    if (getArcTarget(cShape, dShape, atBegin)) {
        d.addBeginID(id);
    } else {
        d.addEndID(id);
    }
}

visio::VShape PetriNetConnectorEnds::shapeOf(const visio::VShapes& shapes, int32_t id) const {
    return shapeOf_ ? shapeOf_(id) : getShapeByID(shapes, id);
}

void PetriNetConnectorEnds::mergeBeginIDs(GEConnection& c, const GEConnection& d) {
    const int32_t id = c.getID();
    if (d.hasBeginID(id)) {
        for (int32_t i = 0; i < d.getBeginIDsCount(); ++i) c.addBeginID(d.getBeginID(i));
    } else if (d.hasEndID(id)) {
        for (int32_t i = 0; i < d.getEndIDsCount(); ++i) c.addBeginID(d.getEndID(i));
    }
}

void PetriNetConnectorEnds::mergeEndIDs(GEConnection& c, const GEConnection& d) {
    const int32_t id = c.getID();
    if (d.hasBeginID(id)) {
        for (int32_t i = 0; i < d.getBeginIDsCount(); ++i) c.addEndID(d.getBeginID(i));
    } else if (d.hasEndID(id)) {
        for (int32_t i = 0; i < d.getEndIDsCount(); ++i) c.addEndID(d.getEndID(i));
    }
}

GEConnection* PetriNetConnectorEnds::nextListedConnection(const GEConnection& c,
                                                          int64_t after) const {
    GEConnection* next = nullptr;
    auto consider = [&](int32_t id) {
        if (id <= after || (next && id >= next->getID())) return;
        if (GEConnection* d = connectionOf(connections_, id)) next = d;
    };
    for (int32_t i = 0; i < c.getBeginIDsCount(); ++i) consider(c.getBeginID(i));
    for (int32_t i = 0; i < c.getEndIDsCount(); ++i) consider(c.getEndID(i));
    return next;
}
