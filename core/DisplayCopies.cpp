#include "core/DisplayCopies.h"

#include <algorithm>

#include "core/CellDisplays.h"
#include "core/SupportTool.h"
#include "helpers/CellHelpers.h"
#include "helpers/FormulaBatchHelpers.h"
#include "helpers/ScopeEvents.h"
#include "helpers/ShapeHelpers.h"
#include "helpers/SheetReferences.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VWindow.h"
#include "platform/visio/VisioConstants.h"

namespace {

std::vector<visio::VShape> membersOf(const visio::VShape& shape) {
    std::vector<visio::VShape> members;
    if (shape.Type() != visio::visTypeGroup) return members;
    const visio::VShapes shapes = shape.Shapes();
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i) members.push_back(getShapeByIndex(shapes, i));
    return members;
}

std::string formulaOf(const visio::VShape& shape, const CellAddress& a) {
    return getCellFormulaSRC(shape, static_cast<int16_t>(a.section), static_cast<int16_t>(a.row),
                             static_cast<int16_t>(a.cell));
}

}  // namespace

DisplayCopies::DisplayCopies(const visio::VApplication& application, const CellDisplays* displays)
    : application_(application), displays_(displays) {}

void DisplayCopies::onVisioEvent(int32_t code, const visio::VObject& subject,
                                 const visio::Variant& moreInfo) {
    switch (SupportTool::eventCodeOf(code)) {
        case visio::visEvtCodeSelChanged:
            noteSelection();
            break;
        case visio::visEvtCodeEnterScope:
            if (const std::optional<int32_t> scope = scopeNumberOf(moreInfo)) onScope(*scope);
            break;
        case visio::visEvtCodeShapeAdded:
            onShapeAdded(subject.as<visio::VShape>());
            break;
        default:
            break;
    }
}

// The selection is read as it changes: when a duplicate is heard of, its copies may be
// what is selected already.
void DisplayCopies::noteSelection() {
    const visio::VWindow window = application_.ActiveWindow();
    visio::VSelection selection = window.Selection();
    selection.SetIterationMode(visio::visSelModeSkipSuper);
    selection_ = getSelectionShapeIDs(selection);
    selectionPage_ = window.Page();
}

// Any other command adds shapes of its own making.
void DisplayCopies::onScope(int32_t scope) {
    adding_ = nullptr;
    nextAdded_ = 0;
    added_.clear();
    copyIDs_.clear();
    if (scope == visio::visCmdUFEditCopy || scope == visio::visCmdUFEditCut) {
        clipboard_ = copiesOfSelection();
    } else if (scope == visio::visCmdUFEditDuplicate) {
        duplicated_ = copiesOfSelection();
        adding_ = &duplicated_;
    } else if (scope == visio::visCmdUFEditPaste) {
        adding_ = &clipboard_;
    }
}

DisplayCopies::Copied DisplayCopies::copiesOfSelection() const {
    Copied copied;
    const visio::VShapes shapes = selectionPage_.Shapes();
    for (int32_t shapeID : selection_) copied.push_back(copyOf(getShapeByID(shapes, shapeID)));
    // Nothing shown: the copies carry the user's own formulas.
    for (const CopiedShape& shape : copied)
        if (holdsDisplay(shape)) return copied;
    return {};
}

DisplayCopies::CopiedShape DisplayCopies::copyOf(const visio::VShape& shape) const {
    CopiedShape copied;
    if (shape.isEmpty() || !displays_) return copied;
    copied.id = shape.ID();
    for (const CellDisplay::HeldCell& held : displays_->heldCells(selectionPage_, shape.ID())) {
        std::string shown = formulaOf(shape, held.address);
        if (held.shown && shown != *held.shown) continue;
        if (shown != held.userFormula)
            copied.cells.push_back({held.address, std::move(shown), held.userFormula});
    }
    if (std::optional<std::string> user = displays_->heldText(selectionPage_, copied.id)) {
        std::string shown = getShapeText(shape);
        if (shown != *user) copied.text = CopiedText{std::move(shown), std::move(*user)};
    }
    for (const visio::VShape& member : membersOf(shape)) copied.members.push_back(copyOf(member));
    return copied;
}

bool DisplayCopies::holdsDisplay(const CopiedShape& copied) {
    if (!copied.cells.empty() || copied.text) return true;
    for (const CopiedShape& member : copied.members)
        if (holdsDisplay(member)) return true;
    return false;
}

// Visio may report the copies one by one as it makes them, or once it has made them
// all: then the others are there already, selected, and a tool that reads the page on
// hearing of the first would take their display for the user's. So they get their
// formulas with the first.
void DisplayCopies::onShapeAdded(const visio::VShape& shape) {
    if (!adding_ || shape.isEmpty()) return;
    std::vector<visio::VShape> shapes{shape};
    for (const visio::VShape& selected : selectedCopies(shape)) shapes.push_back(selected);
    pairCopies(shapes);
}

// A shape a display holds is an original, never a copy.
std::vector<visio::VShape> DisplayCopies::selectedCopies(const visio::VShape& added) const {
    std::vector<visio::VShape> copies;
    if (!displays_) return copies;
    const visio::VPage page = added.ContainingPage();
    visio::VSelection selection = application_.ActiveWindow().Selection();
    selection.SetIterationMode(visio::visSelModeSkipSuper);
    const visio::VShapes shapes = page.Shapes();
    for (int32_t shapeID : getSelectionShapeIDs(selection)) {
        if (!displays_->heldCells(page, shapeID).empty()) continue;
        const visio::VShape shape = getShapeByID(shapes, shapeID);
        if (!shape.isEmpty()) copies.push_back(shape);
    }
    return copies;
}

// The copies come in the order of their originals, a group's members with it; all are
// paired before any gets its formulas, so that a reference to a later copy is renamed.
void DisplayCopies::pairCopies(const std::vector<visio::VShape>& shapes) {
    std::vector<std::pair<const CopiedShape*, visio::VShape>> paired;
    for (const visio::VShape& shape : shapes) {
        const int32_t shapeID = shape.ID();
        if (std::find(added_.begin(), added_.end(), shapeID) != added_.end()) continue;
        for (std::size_t i = nextAdded_; i < adding_->size(); ++i) {
            if (!sameBuild((*adding_)[i], shape)) continue;
            nextAdded_ = i + 1;
            noteCopy((*adding_)[i], shape);
            paired.emplace_back(&(*adding_)[i], shape);
            break;
        }
    }
    for (const auto& [copied, shape] : paired) giveUserFormulas(*copied, shape);
}

bool DisplayCopies::sameBuild(const CopiedShape& copied, const visio::VShape& shape) {
    const std::vector<visio::VShape> members = membersOf(shape);
    if (members.size() != copied.members.size()) return false;
    for (std::size_t i = 0; i < members.size(); ++i)
        if (!sameBuild(copied.members[i], members[i])) return false;
    return true;
}

// A member reported on its own (a copy of a shape inside a group may go into the group)
// is a copy in its own right, unless its group's copy brought it.
void DisplayCopies::noteCopy(const CopiedShape& copied, const visio::VShape& shape) {
    const int32_t shapeID = shape.ID();
    copyIDs_[copied.id] = shapeID;
    added_.push_back(shapeID);
    const std::vector<visio::VShape> members = membersOf(shape);
    for (std::size_t i = 0; i < members.size(); ++i) noteCopy(copied.members[i], members[i]);
}

// A display's formula may be guarded: the writes overwrite it.
void DisplayCopies::giveUserFormulas(const CopiedShape& copied, const visio::VShape& shape) const {
    FormulaBatchMap batch;
    ShapesByID shapes;
    enterUserFormulas(copied, shape, batch, shapes);
    if (!batch.empty())
        setFormulasBatch(shape.ContainingPage().Shapes(), std::move(batch), shapeIn(shapes));
    giveUserTexts(copied, shape);
}

void DisplayCopies::giveUserTexts(const CopiedShape& copied, const visio::VShape& shape) {
    if (copied.text && getShapeText(shape) == copied.text->shown)
        setShapeText(shape, copied.text->user);
    const std::vector<visio::VShape> members = membersOf(shape);
    for (std::size_t i = 0; i < members.size(); ++i) giveUserTexts(copied.members[i], members[i]);
}

void DisplayCopies::enterUserFormulas(const CopiedShape& copied, const visio::VShape& shape,
                                      FormulaBatchMap& batch, ShapesByID& shapes) const {
    const int32_t shapeID = shape.ID();
    shapes.emplace(shapeID, shape);
    for (const CopiedCell& cell : copied.cells) {
        if (formulaOf(shape, cell.address) != renamedSheetReferences(cell.shown, copyIDs_))
            continue;
        const CellAddress& a = cell.address;
        batch.emplace(FormulaBatchKey{shapeID, a.section, a.row, a.cell},
                      renamedSheetReferences(cell.user, copyIDs_));
    }
    const std::vector<visio::VShape> members = membersOf(shape);
    for (std::size_t i = 0; i < members.size(); ++i)
        enterUserFormulas(copied.members[i], members[i], batch, shapes);
}
