// Optional rule of Petri nets: anti-patterns that are legal but likely mistakes.
#pragma once

#include "checker/CCRule.h"
#include "model/GEElementSet.h"

// Shows arcs of one transition that run into each other (their pieces share an end
// point), on the transition's input side and on its output side, and arcs whose weight
// exceeds the capacity of their place. Records nothing on other kinds of diagram.
class CCHintRule : public CCRule {
public:
    explicit CCHintRule(bool petriNet);
    ~CCHintRule() override;

    void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
               GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) override;

private:
    void collectOutgoingArcs(const GEGraphElement* element);
    void collectIncomingArcs(const GEGraphElement* element);
    void markTouchingArcs();
    bool piecesTouch(const GEArc* a, const GEArc* b) const;
    void checkWeight(const GEArc* arc);

    bool petriNet_;
    // The arcs of one side of one transition; the model owns them.
    GEElementSet scratch_;
};
