#include "checker/CCRule.h"

#include "model/GEAdjacencyMatrix.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"

CCRule::~CCRule() = default;

void CCRule::check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                   GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) {
    // No rule looks at the shapes outside the notation.
    static_cast<void>(otherShapes);
    setInputs(active, passive, arcs, matrix);
}

void CCRule::markArc(const GEArc* arc) {
    if (!arc) return;
    for (int32_t i = 0; i < arc->getMemberCount(); ++i) {
        if (const GEConnection* piece = arc->getMember(i)) recordFinding(piece->getID());
    }
}

std::vector<GEGraphElement*> CCRule::elementsOf(GEElementSet* set) {
    std::vector<GEGraphElement*> elements;
    if (!set) return elements;
    elements.reserve(static_cast<std::size_t>(set->getCount()));
    for (GEGraphElement* e = set->getFirst(); e != set->end(); e = set->getNext()) {
        elements.push_back(e);
    }
    return elements;
}

const GEArc* CCRule::asArc(const GEGraphElement* element) {
    return dynamic_cast<const GEArc*>(element);
}

bool CCRule::isSameElement(const GEGraphElement* a, const GEGraphElement* b) {
    if (!a || !b) return false;
    return a == b || (a->getID() != GEGraphElement::UNSET && a->getID() == b->getID());
}

GEConnection* CCRule::firstPiece(const GEArc* arc) {
    if (!arc || arc->getMemberCount() == 0) return nullptr;
    return arc->getMember(0);
}

GEConnection* CCRule::lastPiece(const GEArc* arc) {
    if (!arc || arc->getMemberCount() == 0) return nullptr;
    return arc->getMember(arc->getMemberCount() - 1);
}

bool CCRule::isTouching(const GEGraphElement* a, const GEGraphElement* b) const {
    return matrix_ && a && b && matrix_->isTouching(a, b);
}

bool CCRule::isContainedIn(const GEGraphElement* a, const GEGraphElement* b) const {
    return matrix_ && a && b && matrix_->isContainedIn(a, b);
}
