#include "model/PetriNetModel.h"

#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "model/PetriNetArcBuilder.h"
#include "model/PetriNetConnectorEnds.h"
#include "model/PetriNetOrientation.h"

PetriNetModel::PetriNetModel(const CellAddressTableMap& tables) : DiagramModel(tables) {
    attributes().setPetriNet();
}

void PetriNetModel::classifyShape(const visio::VShape& shape) {
    const ShapeAttributes& record = attributes();
    if (record.isPetriActive()) {
        readElement(shape, *getActive());
    } else if (record.isPetriPassive()) {
        readPlace(shape);
    } else if (record.isPetriConnection()) {
        readArc(shape);
    } else if (record.isStackPlace()) {
        readStackPlace(shape);
    } else if (record.isStartEndPlace()) {
        readStartEndPlace(shape);
    } else if (record.isConnectionPlace()) {
        readConnectionPlace(shape);
    }
}

void PetriNetModel::readPlace(const visio::VShape& shape) {
    const ShapeAttributes& record = attributes();
    auto* place = new GEPlace;
    place->setIdentifier(record.getIdentifier());
    place->setIdentifierID(record.getIdentifierID());
    place->clearStackPlace();
    place->setMarkingShapeID(record.getMarkingShapeID());
    place->setMarking(record.getMarkingValue());
    place->setMarkingCell(record.getMarkingCellShapeID(), record.getMarkingText());
    place->setCapacityShapeID(record.getCapacityShapeID());
    place->setCapacity(record.getCapacityValue());
    addElement(place, shape, *getPassive());
}

// Marking and text boxes keep their defaults: a stack place shows neither.
void PetriNetModel::readStackPlace(const visio::VShape& shape) {
    const ShapeAttributes& record = attributes();
    auto* place = new GEPlace;
    place->setIdentifier(record.getIdentifier());
    place->setIdentifierID(record.getIdentifierID());
    place->setCapacity(record.getCapacityValue());
    place->setStackPlace();
    addElement(place, shape, *getPassive());
}

// The glue is the arc shape's own; the arrowheads are its arrow's.
void PetriNetModel::readArc(const visio::VShape& shape) {
    const ShapeAttributes& record = attributes();
    auto* arc = new GEWeightedConnection;
    arc->setIdentifier(record.getIdentifier());
    arc->setWeight(record.getArcWeightValue());
    arc->setWeightShapeID(record.getArcWeightShapeID());
    readGlue(*arc, shape);
    readDirection(*arc, record.getArrowShape());
    if (addElement(arc, shape, *getConnections()))
        setDrawnLine(arc->getID(), record.getArrowShape());
}

void PetriNetModel::readStartEndPlace(const visio::VShape&) {
    const int32_t placeID = readCompositePlace();
    GEWeightedConnection* edge = readPlaceEdge(attributes().getFirstEdgeShape(), placeID, true);
    if (edge) edge->setIdentifier(attributes().getIdentifier());
}

void PetriNetModel::readConnectionPlace(const visio::VShape&) {
    const int32_t placeID = readCompositePlace();
    readPlaceEdge(attributes().getFirstEdgeShape(), placeID, true);
    readPlaceEdge(attributes().getSecondEdgeShape(), placeID, false);
}

int32_t PetriNetModel::readCompositePlace() {
    const ShapeAttributes& record = attributes();
    const visio::VShape placeShape = record.getPlaceShape();
    auto* place = new GEPlace;
    place->setIdentifier(record.getIdentifier());
    place->setMarking(record.getMarkingValue());
    place->setMarkingCell(record.getMarkingCellShapeID(), record.getMarkingText());
    // The capacity cell is read as for any place: a value the user set counts, and one it
    // may not hold stays unacceptable for the checker to show, never taken for 1.
    place->setCapacity(record.getCapacityValue());
    place->clearStackPlace();
    const int32_t placeID = placeShape.ID();
    addElement(place, placeShape, *getPassive());
    return placeID;
}

GEWeightedConnection* PetriNetModel::readPlaceEdge(const visio::VShape& edge, int32_t placeID,
                                                   bool inward) {
    auto* connection = new GEWeightedConnection;
    if (inward) {
        readBeginGlue(*connection, edge);
        connection->addEndID(placeID);
    } else {
        readEndGlue(*connection, edge);
        connection->addBeginID(placeID);
    }
    readDirection(*connection, edge);
    return addElement(connection, edge, *getConnections()) ? connection : nullptr;
}

void PetriNetModel::analysePage(const visio::VShapes& shapes) {
    PetriNetConnectorEnds(*getConnections(), elementShapes(shapes)).resolveConnectorEnds(shapes);
    PetriNetOrientation orientation(*getActive(), *getPassive(), *getConnections());
    orientation.orientAtElements();
    orientation.orientAlongChains();
    orientation.dropSiblingLinks();
    buildArcs();
    getAdjacencyMatrix()->build(shapes, getActive(), getPassive(), getConnections(),
                                getSavedFormulaIndex(), elementShapes(shapes), knownShapes(),
                                drawnLines(shapes));
}

void PetriNetModel::buildArcs() {
    PetriNetArcBuilder(*getActive(), *getPassive(), *getConnections(), *getArcs()).buildArcs();
}
