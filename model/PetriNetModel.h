// A page read as a Petri net: transitions, places of every kind and weighted arcs, whose
// connector pieces may be glued end to end, onto each other, and drawn without
// arrowheads.
#pragma once

#include <cstdint>

#include "model/DiagramModel.h"

class GEPlace;
class GEWeightedConnection;

// Transitions are active elements, places (ordinary, stack, start/end and connection
// places) passive ones, and every arc shape or place edge a weighted connection. The
// analysis resolves connector-to-connector glue (PetriNetConnectorEnds), gives every
// connection a direction and cuts links between connectors that merely share a point
// (PetriNetOrientation), then follows each arc's chain of pieces (PetriNetArcBuilder).
class PetriNetModel : public DiagramModel {
public:
    explicit PetriNetModel(const CellAddressTableMap& tables);
    ~PetriNetModel() override = default;

    // The arcs are built before the adjacency matrix here.
    void analysePage(const visio::VShapes& shapes) override;

    bool isTransitionID(int32_t id) { return getActive()->getByID(id) != nullptr; }
    bool isPlaceID(int32_t id) { return getPassive()->getByID(id) != nullptr; }

protected:
    void classifyShape(const visio::VShape& shape) override;
    void buildArcs() override;

    void readPlace(const visio::VShape& shape);
    void readStackPlace(const visio::VShape& shape);
    void readArc(const visio::VShape& shape);
    void readStartEndPlace(const visio::VShape& shape);
    void readConnectionPlace(const visio::VShape& shape);

private:
    // The place of a start/end or connection place, read from its place sub-shape;
    // answers that sub-shape's ID, which the edges name.
    int32_t readCompositePlace();
    // An edge of a composite place, running from what is glued at the edge's begin into
    // the place (inward) or from the place to what is glued at its end.
    GEWeightedConnection* readPlaceEdge(const visio::VShape& edge, int32_t placeID, bool inward);
};
