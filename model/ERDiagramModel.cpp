#include "model/ERDiagramModel.h"

#include "model/GEGraphElement.h"

ERDiagramModel::ERDiagramModel(const CellAddressTableMap& tables) : DiagramModel(tables) {
    attributes().setERDiagram();
}

void ERDiagramModel::classifyShape(const visio::VShape& shape) {
    ShapeAttributes& record = attributes();
    if (record.isERActive()) {
        readElement(shape, *getActive());
    } else if (record.isERPassive()) {
        readElement(shape, *getPassive());
    } else if (record.isERConnection()) {
        readConnector(shape);
    } else if (record.isBinRelationship()) {
        readRelationship(shape);
    }
}

void ERDiagramModel::readRelationship(const visio::VShape&) {
    ShapeAttributes& record = attributes();
    readNodeWithEdges(record.getRelationShape(), record.getFirstEdgeShape(),
                      record.getSecondEdgeShape(), *getActive());
}
