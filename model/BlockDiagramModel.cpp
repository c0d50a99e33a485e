#include "model/BlockDiagramModel.h"

#include "helpers/CellHelpers.h"
#include "model/GEConnection.h"
#include "model/GEGraphElement.h"

BlockDiagramModel::BlockDiagramModel(const CellAddressTableMap& tables) : DiagramModel(tables) {
    attributes().setBlockDiagram();
}

// A misc shape never gets here: its reader always refuses it.
void BlockDiagramModel::classifyShape(const visio::VShape& shape) {
    ShapeAttributes& record = attributes();
    if (record.isBlockActive()) {
        readElement(shape, *getActive());
    } else if (record.isBlockPassive()) {
        readElement(shape, *getPassive());
    } else if (record.isBlockConnection()) {
        readConnector(shape);
    } else if (record.isBlockAccess()) {
        readAccess(shape);
    } else if (record.isBlockChannel()) {
        readChannel(shape);
    }
}

// An access is two-way unless exactly one end shows an arrowhead; it is never turned
// round, so an arrowhead only at the begin keeps begin and end as glued.
void BlockDiagramModel::readAccess(const visio::VShape& shape) {
    auto* connection = new GEConnection;
    readBeginGlue(*connection, shape);
    readEndGlue(*connection, shape);
    const bool beginArrow = getCellResult(shape, "BeginArrow") != 0;
    const bool endArrow = getCellResult(shape, "EndArrow") != 0;
    if (beginArrow == endArrow) {
        connection->setState1();
    } else {
        connection->setState0();
    }
    addElement(connection, shape, *getConnections());
}

void BlockDiagramModel::readChannel(const visio::VShape&) {
    ShapeAttributes& record = attributes();
    readNodeWithEdges(record.getChannelShape(), record.getFirstEdgeShape(),
                      record.getSecondEdgeShape(), *getPassive());
}
