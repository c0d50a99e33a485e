#include "checker/CCPetriNetRule.h"

#include <cstddef>
#include <set>

#include "checker/CCLooks.h"
#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "model/TextBoxValue.h"

namespace {

// The attribute reader's mark for a capacity, marking or weight text it rejected.
constexpr int32_t rejectedValue = unacceptableTextValue;
constexpr int32_t unlimitedCapacity = -1;

// A value shown in a cell rather than a text box has no box of its own: the shape that
// holds the cell shows the finding instead. Recording the unset ID would address the
// page sheet in Visio's batch write and leave the finding invisible.
int32_t shownBy(int32_t textBoxID, int32_t ownerID) {
    return textBoxID > 0 ? textBoxID : ownerID;
}

const GEPlace* asStackPlace(const GEGraphElement* element) {
    const auto* place = dynamic_cast<const GEPlace*>(element);
    return place && place->isStackPlace() ? place : nullptr;
}

}  // namespace

CCPetriNetRule::CCPetriNetRule(bool petriNet) : petriNet_(petriNet) {
    using namespace cclooks;
    addCell(charColourCell, errorColour, consistentColour, ignoredColour);
    addCell(charStyleCell, boldCharStyle, plainCharStyle, plainCharStyle);
    addCell(lineColourCell, errorColour, consistentColour, ignoredColour);
    addCell(lineWeightCell, findingLineWeight, normalLineWeight, normalLineWeight);
}

void CCPetriNetRule::check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                           GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) {
    CCRule::check(active, passive, arcs, otherShapes, matrix);
    if (!petriNet_) return;
    for (GEGraphElement* element : elementsOf(passive_)) {
        if (const auto* place = dynamic_cast<const GEPlace*>(element)) checkPlace(place);
    }
    for (GEGraphElement* element : elementsOf(arcs_)) {
        if (const GEArc* arc = asArc(element)) checkArcWeight(arc);
    }
    checkStackPlaces();
}

void CCPetriNetRule::checkPlace(const GEPlace* place) {
    const int32_t capacity = place->getCapacity();
    const int32_t marking = place->getMarking();
    const bool overfull = capacity != unlimitedCapacity && capacity < marking;
    if (!overfull && capacity != rejectedValue && marking != rejectedValue) return;
    recordFinding(shownBy(place->getCapacityShapeID(), place->getID()));
    recordFinding(shownBy(place->getMarkingShapeID(), place->getID()));
}

void CCPetriNetRule::checkArcWeight(const GEArc* arc) {
    if (arc->getWeight() != rejectedValue) return;
    const auto* last = dynamic_cast<const GEWeightedConnection*>(lastPiece(arc));
    if (last && last->getWeightShapeID() > 0) {
        recordFinding(last->getWeightShapeID());
    } else {
        markArc(arc);
    }
}

void CCPetriNetRule::checkStackPlaces() {
    GEElementSet stackPlaces;
    for (GEGraphElement* element : elementsOf(passive_)) {
        if (asStackPlace(element)) stackPlaces.insert(element);
    }
    if (stackPlaces.getCount() == 0) return;
    if (stackPlaces.getCount() == 1) {
        recordFinding(stackPlaces.getFirst()->getID());
        return;
    }
    GEElementSet fed;
    for (GEGraphElement* element : elementsOf(active_)) {
        if (hasStackPlaceInput(element)) fed.insert(element);
    }
    if (stackPlacesFeedDistinct(stackPlaces, fed) && hasCommonInputPlace(fed)) return;
    for (GEGraphElement* stackPlace : elementsOf(&stackPlaces)) {
        recordFinding(stackPlace->getID());
    }
}

bool CCPetriNetRule::hasStackPlaceInput(const GEGraphElement* element) const {
    for (GEGraphElement* candidate : elementsOf(arcs_)) {
        const GEArc* arc = asArc(candidate);
        if (arc && isSameElement(arc->getEnd(), element) && asStackPlace(arc->getBegin())) {
            return true;
        }
    }
    return false;
}

bool CCPetriNetRule::stackPlacesFeedDistinct(GEElementSet& stackPlaces, GEElementSet& fed) const {
    if (stackPlaces.getCount() != fed.getCount()) return false;
    const std::vector<GEGraphElement*> arcs = elementsOf(arcs_);
    std::set<int32_t> seenEnds;
    for (GEGraphElement* stackPlace : elementsOf(&stackPlaces)) {
        bool hasOutgoingArc = false;
        for (GEGraphElement* candidate : arcs) {
            const GEArc* arc = asArc(candidate);
            if (!beginsAt(arc, stackPlace)) continue;
            hasOutgoingArc = true;
            if (!arc->getEnd()) continue;
            if (!seenEnds.insert(arc->getEnd()->getID()).second) return false;
        }
        if (!hasOutgoingArc) return false;
    }
    return true;
}

// Two arcs into one fed element do not stand in for an arc into another: the place
// must reach each fed element, not merely have as many arcs as there are of them.
bool CCPetriNetRule::hasCommonInputPlace(GEElementSet& fed) const {
    const std::vector<GEGraphElement*> arcs = elementsOf(arcs_);
    const auto fedCount = static_cast<std::size_t>(fed.getCount());
    for (GEGraphElement* place : elementsOf(passive_)) {
        bool qualifies = true;
        std::size_t count = 0;
        std::set<int32_t> reached;
        for (GEGraphElement* candidate : arcs) {
            const GEArc* arc = asArc(candidate);
            if (!beginsAt(arc, place)) continue;
            if (!arc->getEnd()) break;
            if (!fed.getByID(arc->getEnd()->getID())) {
                qualifies = false;
                break;
            }
            ++count;
            reached.insert(arc->getEnd()->getID());
        }
        if (qualifies && count == fedCount && reached.size() == fedCount) return true;
    }
    return false;
}

bool CCPetriNetRule::beginsAt(const GEArc* arc, const GEGraphElement* element) {
    return arc && isSameElement(arc->getBegin(), element);
}
