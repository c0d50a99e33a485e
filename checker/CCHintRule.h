// Optional rule of Petri nets: anti-patterns that are legal but likely mistakes.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

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
    // The arcs that begin (or end) at each element, in the arc set's order: an element
    // with a shape by its ID, one without by itself, as isSameElement tells them apart.
    struct ArcsByEnd {
        std::unordered_map<int32_t, std::vector<GEGraphElement*>> byID;
        std::unordered_map<const GEGraphElement*, std::vector<GEGraphElement*>> byElement;

        void add(const GEGraphElement* end, GEGraphElement* arc);
        const std::vector<GEGraphElement*>& of(const GEGraphElement* element) const;
    };

    void indexArcs();
    void collectOutgoingArcs(const GEGraphElement* element);
    void collectIncomingArcs(const GEGraphElement* element);
    void collectArcs(const std::vector<GEGraphElement*>& arcs);
    void markTouchingArcs();
    bool piecesTouch(const GEArc* a, const GEArc* b) const;
    void checkWeight(const GEArc* arc);

    bool petriNet_;
    // The arcs of one side of one transition; the model owns them.
    GEElementSet scratch_;
    // Filled for one check: looking the arcs up per transition keeps the check linear.
    ArcsByEnd outgoing_;
    ArcsByEnd incoming_;
};
