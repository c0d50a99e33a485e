#include "checker/CCHintRule.h"

#include "checker/CCLooks.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEPlace.h"

namespace {

constexpr int32_t unlimitedCapacity = -1;
// A capacity box whose text is no number; the Petri net rule reports it, and no weight
// can be compared with it.
constexpr int32_t unreadableCapacity = -3;

}  // namespace

CCHintRule::CCHintRule(bool petriNet) : petriNet_(petriNet) {
    using namespace cclooks;
    addCell(lineColourCell, hintColour, consistentColour, ignoredColour);
    addCell(lineWeightCell, findingLineWeight, normalLineWeight, normalLineWeight);
    addCell(charColourCell, hintColour, consistentColour, ignoredColour);
    addCell(charStyleCell, boldCharStyle, plainCharStyle, plainCharStyle);
}

CCHintRule::~CCHintRule() {
    scratch_.clear();
}

void CCHintRule::check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                       GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) {
    CCRule::check(active, passive, arcs, otherShapes, matrix);
    if (!petriNet_) return;
    indexArcs();
    for (GEGraphElement* transition : elementsOf(active_)) {
        collectOutgoingArcs(transition);
        collectIncomingArcs(transition);
    }
    for (GEGraphElement* element : elementsOf(arcs_)) {
        if (const GEArc* arc = asArc(element)) checkWeight(arc);
    }
}

void CCHintRule::ArcsByEnd::add(const GEGraphElement* end, GEGraphElement* arc) {
    if (!end) return;
    if (end->getID() != GEGraphElement::UNSET) {
        byID[end->getID()].push_back(arc);
    } else {
        byElement[end].push_back(arc);
    }
}

const std::vector<GEGraphElement*>& CCHintRule::ArcsByEnd::of(const GEGraphElement* element) const {
    static const std::vector<GEGraphElement*> none;
    if (!element) return none;
    if (element->getID() != GEGraphElement::UNSET) {
        auto it = byID.find(element->getID());
        return it == byID.end() ? none : it->second;
    }
    auto it = byElement.find(element);
    return it == byElement.end() ? none : it->second;
}

void CCHintRule::indexArcs() {
    outgoing_ = ArcsByEnd();
    incoming_ = ArcsByEnd();
    for (GEGraphElement* candidate : elementsOf(arcs_)) {
        if (const GEArc* arc = asArc(candidate)) {
            outgoing_.add(arc->getBegin(), candidate);
            incoming_.add(arc->getEnd(), candidate);
        }
    }
}

void CCHintRule::collectOutgoingArcs(const GEGraphElement* element) {
    collectArcs(outgoing_.of(element));
}

void CCHintRule::collectIncomingArcs(const GEGraphElement* element) {
    collectArcs(incoming_.of(element));
}

void CCHintRule::collectArcs(const std::vector<GEGraphElement*>& arcs) {
    scratch_.clear();
    for (GEGraphElement* arc : arcs) scratch_.insert(arc);
    markTouchingArcs();
}

// Every ordered pair is visited, so both arcs of a touching pair are shown.
void CCHintRule::markTouchingArcs() {
    const std::vector<GEGraphElement*> arcs = elementsOf(&scratch_);
    for (GEGraphElement* a : arcs) {
        for (GEGraphElement* b : arcs) {
            if (a != b && piecesTouch(asArc(a), asArc(b))) markArc(asArc(b));
        }
    }
}

// The matrix counts two pieces as touching only where they share an end point.
bool CCHintRule::piecesTouch(const GEArc* a, const GEArc* b) const {
    if (a->getMemberCount() == 1 && b->getMemberCount() == 1) {
        return isTouching(a->getMember(0), b->getMember(0));
    }
    const GEConnection* aFirst = firstPiece(a);
    const GEConnection* aLast = lastPiece(a);
    const GEConnection* bFirst = firstPiece(b);
    const GEConnection* bLast = lastPiece(b);
    return isTouching(aFirst, bFirst) || isTouching(aLast, bFirst) || isTouching(aFirst, bLast) ||
           isTouching(aLast, bLast);
}

void CCHintRule::checkWeight(const GEArc* arc) {
    if (!passive_) return;
    const GEGraphElement* begin = arc->getBegin();
    const GEGraphElement* placeElement = begin ? passive_->getByID(begin->getID()) : nullptr;
    if (!placeElement && arc->getEnd()) placeElement = passive_->getByID(arc->getEnd()->getID());
    const auto* place = dynamic_cast<const GEPlace*>(placeElement);
    if (!place) return;
    const int32_t capacity = place->getCapacity();
    if (capacity == unlimitedCapacity || capacity == unreadableCapacity) return;
    if (arc->getWeight() > capacity) markArc(arc);
}
