// Paints a check's result into the page's shapes as guarded formulas, and takes it away.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "checker/CCRule.h"
#include "helpers/FormulaBatchHelpers.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

class GEElementSet;
class GEGraphElement;

// Every cell a rule registered, on every shape of the model, first gets the consistent
// look (the ignored look on shapes that are no elements), then the rules' findings get
// their finding looks; within each pass the first formula given for a cell is the one
// written, so lower rule keys win. Stopping writes back the formulas the diagram model
// saved. Each pass goes to Visio in one batch write.
class CCCellGuard {
public:
    // Keeps the pointers; the model, the checker's rule map and the index must outlive
    // the guard.
    CCCellGuard(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                GEElementSet* otherShapes, const CCRuleMap* rules, const SavedFormulaIndex* index);
    ~CCCellGuard();
    CCCellGuard(const CCCellGuard&) = delete;
    CCCellGuard& operator=(const CCCellGuard&) = delete;

    void guardCells(const visio::VShapes& pageShapes);
    void restoreCells(const visio::VShapes& pageShapes);
    // Only the cells of these shapes (by ID), in one batch write.
    void restoreShapes(const visio::VShapes& pageShapes, const std::vector<int32_t>& shapeIDs);

private:
    void guardConsistent();
    void guardIgnored();
    void guardFindings();
    void guardSet(GEElementSet* set, int32_t mode);
    void guardArcPieces(int32_t mode);
    void guardElement(const GEGraphElement* element, int32_t mode);
    void guardShape(int32_t shapeID, const CCRule& rule, int32_t mode);
    void restoreSet(GEElementSet* set);
    void restoreArcPieces();
    void restoreElement(const GEGraphElement* element);
    void restoreShape(int32_t shapeID);
    // Those the user did not type over since reading wrote them.
    void restoreRewrittenCells();
    // Shapes the page no longer holds are left out.
    bool isOnPage(int32_t shapeID);
    // The shape of an ID as the pass found it or reading saved it; empty when neither.
    visio::VShape knownShape(int32_t shapeID) const;
    void enter(int32_t shapeID, const CellAddress& address, std::string formula);
    void writePass();

    GEElementSet* active_;
    GEElementSet* passive_;
    GEElementSet* arcs_;
    GEElementSet* otherShapes_;
    const CCRuleMap* rules_;
    const SavedFormulaIndex* index_;
    visio::VShapes pageShapes_;
    FormulaBatchMap pass_;
    // The shapes looked up on the page while the passes were collected.
    std::unordered_map<int32_t, visio::VShape> foundOnPage_;
    bool pageJustRead_ = false;
};
