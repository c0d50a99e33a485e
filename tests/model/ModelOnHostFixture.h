// Shapes of the stand-in host read as graph elements: the element sets, the saved
// formulas and the adjacency matrix built over the page's shapes.
#pragma once

#include <cstdint>

#include "model/GEAdjacencyMatrix.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/SavedFormulaIndex.h"
#include "tests/support/HostFixture.h"

class ModelOnHost : public HostFixture {
protected:
    ~ModelOnHost() override {
        active.destroyElements();
        passive.destroyElements();
        connections.destroyElements();
    }

    // A new element of the shape's ID in the set, which owns it.
    template <class E = GEGraphElement>
    E* element(GEElementSet& set, const visio::ComRef<simhost::Shape>& shape) {
        return element<E>(set, shape.get());
    }
    template <class E = GEGraphElement>
    E* element(GEElementSet& set, simhost::Shape* shape) {
        E* e = new E;
        e->setID(shape->id());
        set.insert(e);
        return e;
    }
    void build() { matrix.build(pageShapes(), &active, &passive, &connections, &index); }
    uint16_t relation(const GEGraphElement* a, const GEGraphElement* b) const {
        return matrix.getRelation(a->getID(), b->getID());
    }

    GEElementSet active;
    GEElementSet passive;
    GEElementSet connections;
    SavedFormulaIndex index;
    GEAdjacencyMatrix matrix;
};
