#include "checker/CCCellGuard.h"

#include <utility>

#include "helpers/FormulaBatchHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/SavedFormulaIndex.h"

namespace {

bool hasElements(const GEElementSet* set) {
    return set && set->getCount() > 0;
}

std::string guarded(const std::string& look) {
    return "GUARD(" + look + ")";
}

}  // namespace

CCCellGuard::CCCellGuard(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                         GEElementSet* otherShapes, const CCRuleMap* rules,
                         const SavedFormulaIndex* index)
    : active_(active),
      passive_(passive),
      arcs_(arcs),
      otherShapes_(otherShapes),
      rules_(rules),
      index_(index) {}

CCCellGuard::~CCCellGuard() {
    active_ = passive_ = arcs_ = otherShapes_ = nullptr;
    rules_ = nullptr;
    index_ = nullptr;
    pass_.clear();
    foundOnPage_.clear();
}

// Painting follows the reading at once: every shape the model registered is still on
// the page, so the page is not asked again.
void CCCellGuard::guardCells(const visio::VShapes& pageShapes) {
    pageShapes_ = pageShapes;
    pass_.clear();
    pageJustRead_ = true;
    guardConsistent();
    guardIgnored();
    writePass();
    guardFindings();
    writePass();
    pageJustRead_ = false;
    foundOnPage_.clear();
}

void CCCellGuard::restoreCells(const visio::VShapes& pageShapes) {
    pageShapes_ = pageShapes;
    pass_.clear();
    if (hasElements(active_)) restoreSet(active_);
    if (hasElements(passive_)) restoreSet(passive_);
    if (hasElements(arcs_)) restoreArcPieces();
    if (hasElements(otherShapes_)) restoreSet(otherShapes_);
    restoreRewrittenCells();
    writePass();
    foundOnPage_.clear();
}

void CCCellGuard::restoreShapes(const visio::VShapes& pageShapes,
                                const std::vector<int32_t>& shapeIDs) {
    pageShapes_ = pageShapes;
    pass_.clear();
    for (int32_t shapeID : shapeIDs) restoreShape(shapeID);
    writePass();
    foundOnPage_.clear();
}

void CCCellGuard::guardConsistent() {
    const int32_t mode = CCHighlightTable::consistentMode();
    if (hasElements(active_)) guardSet(active_, mode);
    if (hasElements(passive_)) guardSet(passive_, mode);
    if (hasElements(arcs_)) guardArcPieces(mode);
}

void CCCellGuard::guardIgnored() {
    if (hasElements(otherShapes_)) guardSet(otherShapes_, CCHighlightTable::ignoredMode());
}

// Findings name shapes the rules have just seen in the model, so they are not looked
// up again. The unset ID would name the page sheet in the batch: it is never written.
void CCCellGuard::guardFindings() {
    if (!rules_) return;
    for (const auto& [key, rule] : *rules_) {
        if (!rule) continue;
        for (uint32_t finding : rule->getFindings()) {
            const auto shapeID = static_cast<int32_t>(finding);
            if (shapeID <= GEGraphElement::UNSET) continue;
            for (int32_t i = 0; i < rule->getCount(); ++i) {
                enter(shapeID, rule->get(i), guarded(rule->getFindingValue(i)));
            }
        }
    }
}

void CCCellGuard::guardSet(GEElementSet* set, int32_t mode) {
    for (GEGraphElement* e = set->getFirst(); e != set->end(); e = set->getNext()) {
        guardElement(e, mode);
    }
}

void CCCellGuard::guardArcPieces(int32_t mode) {
    for (GEGraphElement* e = arcs_->getFirst(); e != arcs_->end(); e = arcs_->getNext()) {
        const auto* arc = dynamic_cast<const GEArc*>(e);
        if (!arc) continue;
        for (int32_t i = 0; i < arc->getMemberCount(); ++i) guardElement(arc->getMember(i), mode);
    }
}

// The element's own shape and its text boxes (a place's capacity and marking, a
// piece's weight) all take the look.
void CCCellGuard::guardElement(const GEGraphElement* element, int32_t mode) {
    if (!element || !rules_) return;
    for (int32_t i = 0; i < element->getShapesIDsCount(); ++i) {
        const int32_t shapeID = element->getShapesID(i);
        if (shapeID <= GEGraphElement::UNSET || !isOnPage(shapeID)) continue;
        for (const auto& [key, rule] : *rules_) {
            if (rule) guardShape(shapeID, *rule, mode);
        }
    }
}

void CCCellGuard::guardShape(int32_t shapeID, const CCRule& rule, int32_t mode) {
    for (int32_t i = 0; i < rule.getCount(); ++i) {
        enter(shapeID, rule.get(i), guarded(rule.getValue(i, mode)));
    }
}

void CCCellGuard::restoreSet(GEElementSet* set) {
    for (GEGraphElement* e = set->getFirst(); e != set->end(); e = set->getNext()) {
        restoreElement(e);
    }
}

void CCCellGuard::restoreArcPieces() {
    for (GEGraphElement* e = arcs_->getFirst(); e != arcs_->end(); e = arcs_->getNext()) {
        const auto* arc = dynamic_cast<const GEArc*>(e);
        if (!arc) continue;
        for (int32_t i = 0; i < arc->getMemberCount(); ++i) restoreElement(arc->getMember(i));
    }
}

void CCCellGuard::restoreElement(const GEGraphElement* element) {
    if (!element) return;
    for (int32_t i = 0; i < element->getShapesIDsCount(); ++i)
        restoreShape(element->getShapesID(i));
}

// The formulas go back as they were saved, without a guard around them.
void CCCellGuard::restoreShape(int32_t shapeID) {
    if (index_ && shapeID > GEGraphElement::UNSET && isOnPage(shapeID))
        index_->enterSavedFormulas(shapeID, pass_);
}

// Reading the page linked cells of older shapes that need not be elements (a channel's
// character format follows its node): they get back what the user had too. Nothing
// guards them, so the user may have typed into one while the check ran: that edit is
// what the user has now, and it stays.
void CCCellGuard::restoreRewrittenCells() {
    if (!index_) return;
    FormulaBatchMap written;
    FormulaBatchMap back;
    for (const SavedFormulaIndex::RewrittenCell& c : index_->getRewrittenCells()) {
        if (!isOnPage(c.shapeID)) continue;
        const FormulaBatchKey key{c.shapeID, c.address.section, c.address.row, c.address.cell};
        written.emplace(key, c.written);
        back.emplace(key, c.formula);
    }
    if (written.empty()) return;
    const FormulaBatchMap typed = cellsTypedOver(pageShapes_.ContainingPage(), written,
                                                 [this](int32_t id) { return knownShape(id); });
    for (auto& [key, formula] : back) {
        if (typed.count(key) == 0) pass_.emplace(key, std::move(formula));
    }
}

bool CCCellGuard::isOnPage(int32_t shapeID) {
    if (pageJustRead_ && index_ && index_->isRegistered(shapeID)) return true;
    auto found = foundOnPage_.find(shapeID);
    if (found == foundOnPage_.end())
        found = foundOnPage_.emplace(shapeID, getShapeByID(pageShapes_, shapeID)).first;
    return !found->second.isEmpty();
}

visio::VShape CCCellGuard::knownShape(int32_t shapeID) const {
    auto found = foundOnPage_.find(shapeID);
    if (found != foundOnPage_.end()) return found->second;
    return index_ ? index_->savedShape(shapeID) : visio::VShape();
}

void CCCellGuard::enter(int32_t shapeID, const CellAddress& address, std::string formula) {
    // The first value given for a cell in a pass is the one written.
    pass_.emplace(FormulaBatchKey{shapeID, address.section, address.row, address.cell},
                  std::move(formula));
}

// The shapes the page's batch cannot name are written through the shapes already known.
void CCCellGuard::writePass() {
    FormulaBatchMap batch;
    batch.swap(pass_);
    setFormulasBatch(pageShapes_, std::move(batch),
                     [this](int32_t shapeID) { return knownShape(shapeID); });
}
