#include "checker/CCArcShapeRule.h"

#include "checker/CCLooks.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"

CCArcShapeRule::CCArcShapeRule(bool blockDiagram, bool petriNet, bool erDiagram)
    : blockDiagram_(blockDiagram), petriNet_(petriNet), erDiagram_(erDiagram) {
    using namespace cclooks;
    addCell(lineColourCell, errorColour, consistentColour, ignoredColour);
    addCell(lineWeightCell, findingLineWeight, normalLineWeight, normalLineWeight);
}

void CCArcShapeRule::check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                           GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) {
    CCRule::check(active, passive, arcs, otherShapes, matrix);
    if (blockDiagram_) checkBlockArcs();
    if (erDiagram_) checkERArcs();
    if (petriNet_) checkPetriArcs();
}

// Arcs without pieces have no arrowheads to judge.
void CCArcShapeRule::checkBlockArcs() {
    for (GEGraphElement* element : elementsOf(arcs_)) {
        const GEArc* arc = asArc(element);
        const GEConnection* first = firstPiece(arc);
        if (first && first->isState1()) markArc(arc);
    }
}

void CCArcShapeRule::checkERArcs() {
    for (GEGraphElement* element : elementsOf(arcs_)) {
        const GEArc* arc = asArc(element);
        const GEConnection* first = firstPiece(arc);
        if (first && !first->isState2()) markArc(arc);
    }
}

void CCArcShapeRule::checkPetriArcs() {
    for (GEGraphElement* element : elementsOf(arcs_)) {
        const GEArc* arc = asArc(element);
        const GEConnection* first = firstPiece(arc);
        if (first && arc->getMemberCount() == 1 && first->isState1()) markArc(arc);
    }
}
