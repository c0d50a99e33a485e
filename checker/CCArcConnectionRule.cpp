#include "checker/CCArcConnectionRule.h"

#include "checker/CCLooks.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"

CCArcConnectionRule::CCArcConnectionRule() {
    using namespace cclooks;
    addCell(lineColourCell, errorColour, consistentColour, ignoredColour);
    addCell(lineWeightCell, findingLineWeight, normalLineWeight, normalLineWeight);
    addCell(linePatternCell, solidLinePattern, solidLinePattern, solidLinePattern);
}

void CCArcConnectionRule::check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                                GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) {
    CCRule::check(active, passive, arcs, otherShapes, matrix);
    for (GEGraphElement* element : elementsOf(arcs_)) {
        const GEArc* arc = asArc(element);
        if (!arc) continue;
        if (!checkEndKinds(arc) || !checkTouching(arc)) markArc(arc);
    }
}

bool CCArcConnectionRule::checkEndKinds(const GEArc* arc) const {
    const GEGraphElement* begin = arc->getBegin();
    const GEGraphElement* end = arc->getEnd();
    if (!begin || !end) return false;
    const bool beginActive = active_ && active_->getByID(begin->getID());
    const bool endActive = active_ && active_->getByID(end->getID());
    return beginActive != endActive;
}

// An arc without pieces cannot touch anything; it has nothing to show either.
bool CCArcConnectionRule::checkTouching(const GEArc* arc) {
    const GEGraphElement* begin = arc->getBegin();
    const GEGraphElement* end = arc->getEnd();
    if (!isTouching(firstPiece(arc), begin)) return false;
    if (!isTouching(lastPiece(arc), end)) return false;
    if (!isContainedIn(begin, end) && !isContainedIn(end, begin)) return true;
    recordFinding(begin->getID());
    recordFinding(end->getID());
    return false;
}
