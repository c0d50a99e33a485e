// A page read as a block diagram: active and passive components, connections, access
// arcs and communication channels.
#pragma once

#include "model/DiagramModel.h"

class BlockDiagramModel : public DiagramModel {
public:
    explicit BlockDiagramModel(const CellAddressTableMap& tables);
    ~BlockDiagramModel() override = default;

protected:
    void classifyShape(const visio::VShape& shape) override;

    // An access arrow between an active and a passive component.
    void readAccess(const visio::VShape& shape);
    // A channel: first edge, channel node, second edge.
    void readChannel(const visio::VShape& shape);
};
