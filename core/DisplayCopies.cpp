#include "core/DisplayCopies.h"

#include "core/CellDisplays.h"
#include "core/SupportTool.h"
#include "helpers/CellHelpers.h"
#include "helpers/FormulaBatchHelpers.h"
#include "helpers/ScopeEvents.h"
#include "helpers/ShapeHelpers.h"
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
    if (scope == visio::visCmdUFEditCopy) {
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
    for (const CellDisplay::HeldCell& held : displays_->heldCells(selectionPage_, shape.ID())) {
        std::string shown = formulaOf(shape, held.address);
        if (shown != held.userFormula)
            copied.cells.push_back({held.address, std::move(shown), held.userFormula});
    }
    for (const visio::VShape& member : membersOf(shape)) copied.members.push_back(copyOf(member));
    return copied;
}

bool DisplayCopies::holdsDisplay(const CopiedShape& copied) {
    if (!copied.cells.empty()) return true;
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
    addCopy(shape);
    addSelectedCopies(shape);
}

// The copies come in the order of their originals; a group's members come with it.
void DisplayCopies::addCopy(const visio::VShape& shape) {
    const int32_t shapeID = shape.ID();
    if (std::find(added_.begin(), added_.end(), shapeID) != added_.end()) return;
    if (getParentShape(shape).Type() == visio::visTypeGroup) return;
    for (std::size_t i = nextAdded_; i < adding_->size(); ++i) {
        const CopiedShape& copied = (*adding_)[i];
        if (!matches(copied, shape)) continue;
        nextAdded_ = i + 1;
        added_.push_back(shapeID);
        giveUserFormulas(copied, shape);
        return;
    }
}

// A shape a display holds is an original, never a copy.
void DisplayCopies::addSelectedCopies(const visio::VShape& added) {
    const visio::VPage page = added.ContainingPage();
    visio::VSelection selection = application_.ActiveWindow().Selection();
    selection.SetIterationMode(visio::visSelModeSkipSuper);
    const visio::VShapes shapes = page.Shapes();
    for (int32_t shapeID : getSelectionShapeIDs(selection)) {
        if (nextAdded_ >= adding_->size()) return;
        if (!displays_ || !displays_->heldCells(page, shapeID).empty()) continue;
        const visio::VShape shape = getShapeByID(shapes, shapeID);
        if (!shape.isEmpty()) addCopy(shape);
    }
}

bool DisplayCopies::matches(const CopiedShape& copied, const visio::VShape& shape) {
    for (const CopiedCell& cell : copied.cells)
        if (formulaOf(shape, cell.address) != cell.shown) return false;
    const std::vector<visio::VShape> members = membersOf(shape);
    if (members.size() != copied.members.size()) return false;
    for (std::size_t i = 0; i < members.size(); ++i)
        if (!matches(copied.members[i], members[i])) return false;
    return true;
}

// A display's formula may be guarded: the writes overwrite it.
void DisplayCopies::giveUserFormulas(const CopiedShape& copied, const visio::VShape& shape) {
    FormulaBatchMap batch;
    ShapesByID shapes;
    std::vector<std::pair<const CopiedShape*, visio::VShape>> walk{{&copied, shape}};
    while (!walk.empty()) {
        const auto [from, to] = walk.back();
        walk.pop_back();
        const int32_t id = to.ID();
        shapes.emplace(id, to);
        for (const CopiedCell& cell : from->cells)
            batch.emplace(
                FormulaBatchKey{id, cell.address.section, cell.address.row, cell.address.cell},
                cell.user);
        const std::vector<visio::VShape> members = membersOf(to);
        for (std::size_t i = 0; i < members.size(); ++i)
            walk.emplace_back(&from->members[i], members[i]);
    }
    if (!batch.empty())
        setFormulasBatch(shape.ContainingPage().Shapes(), std::move(batch), shapeIn(shapes));
}
