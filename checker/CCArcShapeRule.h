// Syntax rule: arcs carry the arrowheads their kind of diagram allows.
#pragma once

#include "checker/CCRule.h"

// Looks at the first piece of each arc: block diagrams allow no arrowheads at both
// ends, ER diagrams no arrowhead at all, and Petri nets no two-way arc of one piece.
class CCArcShapeRule : public CCRule {
public:
    CCArcShapeRule(bool blockDiagram, bool petriNet, bool erDiagram);

    void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
               GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) override;

private:
    void checkBlockArcs();
    void checkERArcs();
    void checkPetriArcs();

    bool blockDiagram_;
    bool petriNet_;
    bool erDiagram_;
};
