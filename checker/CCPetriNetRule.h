// Syntax rule of Petri nets: place values, arc weights and the stack place structure.
#pragma once

#include "checker/CCRule.h"

class GEPlace;

// Shows a place whose marking exceeds its capacity, or whose capacity or marking text
// could not be read, by the text boxes of those values; an arc whose weight text could
// not be read by its weight box; and stack places that do not form the structure the
// notation asks for. Records nothing on other kinds of diagram.
class CCPetriNetRule : public CCRule {
public:
    explicit CCPetriNetRule(bool petriNet);

    void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
               GEElementSet* otherShapes, GEAdjacencyMatrix* matrix) override;

private:
    void checkPlace(const GEPlace* place);
    void checkArcWeight(const GEArc* arc);
    void checkStackPlaces();
    // Some arc leads from a stack place into the element.
    bool hasStackPlaceInput(const GEGraphElement* element) const;
    // As many stack places as fed elements, each stack place with an outgoing arc, and
    // no element at the end of two arcs that leave stack places.
    bool stackPlacesFeedDistinct(GEElementSet& stackPlaces, GEElementSet& fed) const;
    // Some place whose outgoing arcs all lead into the fed elements, one for each.
    bool hasCommonInputPlace(GEElementSet& fed) const;
    static bool beginsAt(const GEArc* arc, const GEGraphElement* element);

    bool petriNet_;
};
