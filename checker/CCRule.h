// The base of the checker's rules: a highlight table that examines a diagram model.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "checker/CCHighlightTable.h"

class GEArc;
class GEConnection;
class GEGraphElement;

// A rule registers its cells and looks when it is made, and records the shape IDs of
// its findings when check examines the model. It owns nothing of the model.
class CCRule : public CCHighlightTable {
public:
    CCRule() = default;
    ~CCRule() override;

    // Keeps the model's sets and matrix for the rule's own steps; a rule then records
    // its findings. Any of them may be null, which the rules take for empty.
    virtual void check(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                       GEElementSet* otherShapes, GEAdjacencyMatrix* matrix);

    // Records every connection piece of the arc, first to last.
    void markArc(const GEArc* arc);

protected:
    // The elements of the set in ascending ID order, so that loops over a set can nest
    // without fighting over the set's one cursor.
    static std::vector<GEGraphElement*> elementsOf(GEElementSet* set);
    // The element as an arc; null for any other element.
    static const GEArc* asArc(const GEGraphElement* element);
    // The same element, or another holding the same shape.
    static bool isSameElement(const GEGraphElement* a, const GEGraphElement* b);
    // An arc's first and last piece; null for an arc without pieces.
    static GEConnection* firstPiece(const GEArc* arc);
    static GEConnection* lastPiece(const GEArc* arc);

    // False without a matrix or for elements it does not know.
    bool isTouching(const GEGraphElement* a, const GEGraphElement* b) const;
    bool isContainedIn(const GEGraphElement* a, const GEGraphElement* b) const;
};

// The checker's rules under their keys; lower keys win a cell when rules' findings meet.
using CCRuleMap = std::map<int32_t, CCRule*>;
