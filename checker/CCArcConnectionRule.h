// Syntax rule: every arc joins an active to a passive element and is attached to both.
#pragma once

#include "checker/CCRule.h"

// Holds for every kind of diagram. An arc that breaks it is shown by all its pieces; an
// arc whose end elements lie one inside the other shows those two elements as well.
class CCArcConnectionRule : public CCRule {
public:
    CCArcConnectionRule();

    void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
               GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) override;

private:
    // Both ends present, exactly one of them active.
    bool checkEndKinds(const GEArc* arc) const;
    // The first piece touches the begin, the last the end, and neither end element
    // lies inside the other (then both are recorded).
    bool checkTouching(const GEArc* arc);
};
