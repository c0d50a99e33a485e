// A page read as an entity/relationship diagram: entities, connections and binary
// relationships.
#pragma once

#include "model/DiagramModel.h"

class ERDiagramModel : public DiagramModel {
public:
    explicit ERDiagramModel(const CellAddressTableMap& tables);
    ~ERDiagramModel() override = default;

protected:
    void classifyShape(const visio::VShape& shape) override;

    // A binary relationship: first edge, relation node (an active element), second edge.
    void readRelationship(const visio::VShape& shape);
};
