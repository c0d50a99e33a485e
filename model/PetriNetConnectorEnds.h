// Connector-to-connector glue of a Petri net: where a connector is glued onto another,
// each gets the other into its lists, and every shape glued at a point that several
// connectors share ends up in the lists of each of them.
#pragma once

#include <cstdint>
#include <utility>

#include "helpers/FormulaBatchHelpers.h"
#include "platform/visio/VShapes.h"

class GEConnection;
class GEElementSet;

class PetriNetConnectorEnds {
public:
    // shapeOf gives a connection's shape by its ID (fetched from the page when empty).
    explicit PetriNetConnectorEnds(GEElementSet& connections, ShapeOfID shapeOf = nullptr)
        : connections_(connections), shapeOf_(std::move(shapeOf)) {}

    // Two passes over the ordered pairs (c, d) of connections, c in set order and, for
    // each c, d in set order: first c's ends that lie on d are recorded in d's lists,
    // then c takes over what is glued at the shared points.
    void resolveConnectorEnds(const visio::VShapes& shapes);

    // c's begin (atBegin) or end lies on connector d: records c in d's begin or end list,
    // as getArcTarget decides, unless d lists c already.
    void attachToConnector(const visio::VShapes& shapes, const GEConnection& c, GEConnection& d,
                           bool atBegin);
    // c's begin (end) list, which holds d, takes the IDs that d lists on the side where
    // d lists c.
    void mergeBeginIDs(GEConnection& c, const GEConnection& d);
    void mergeEndIDs(GEConnection& c, const GEConnection& d);

private:
    void attachPass(const visio::VShapes& shapes);
    void mergePass();
    // The connection with the smallest ID above `after` that c's lists name, or null.
    // Walking c's partners this way visits them in set order while looking only at the
    // ones that matter, and sees IDs a merge adds to c's lists on the way.
    GEConnection* nextListedConnection(const GEConnection& c, int64_t after) const;

    visio::VShape shapeOf(const visio::VShapes& shapes, int32_t id) const;

    GEElementSet& connections_;
    ShapeOfID shapeOf_;
};
