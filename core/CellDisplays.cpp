#include "core/CellDisplays.h"

#include <algorithm>

#include "model/SavedFormulaIndex.h"

CellDisplay::~CellDisplay() {
    if (displays_) displays_->leave(this);
}

std::vector<CellDisplay::HeldCell> CellDisplay::heldCells(const visio::VPage&, int32_t) const {
    return {};
}

std::optional<std::string> CellDisplay::heldText(const visio::VPage&, int32_t) const {
    return std::nullopt;
}

void CellDisplay::joinDisplays(CellDisplays* displays) {
    if (displays_) displays_->leave(this);
    displays_ = displays;
    if (displays_) displays_->join(this);
}

std::optional<std::string> CellDisplay::userFormulaBeneathOthers(const visio::VPage& page,
                                                                 int32_t shapeID,
                                                                 const CellAddress& cell) const {
    if (!displays_) return std::nullopt;
    return displays_->userFormula(this, page, shapeID, cell);
}

void CellDisplay::takeUserFormulas(const visio::VPage& page, SavedFormulaIndex& index) const {
    if (!displays_) return;
    index.replaceFormulas([&](int32_t shapeID, const CellAddress& cell) {
        return displays_->userFormula(this, page, shapeID, cell);
    });
}

bool CellDisplay::showsOwnText(const visio::VShape&, int32_t, const std::string&) const {
    return false;
}

std::vector<CellDisplay::HeldCell> CellDisplay::heldCellsOf(const SavedFormulaIndex& index,
                                                            int32_t shapeID) {
    std::vector<HeldCell> cells;
    for (SavedFormulaIndex::SavedCell& saved : index.savedCells(shapeID))
        cells.push_back({saved.address, std::move(saved.formula)});
    return cells;
}

void CellDisplays::join(CellDisplay* display) {
    if (display && std::find(displays_.begin(), displays_.end(), display) == displays_.end())
        displays_.push_back(display);
}

void CellDisplays::leave(CellDisplay* display) {
    displays_.erase(std::remove(displays_.begin(), displays_.end(), display), displays_.end());
}

std::optional<std::string> CellDisplays::userFormula(const CellDisplay* asker,
                                                     const visio::VPage& page, int32_t shapeID,
                                                     const CellAddress& cell) const {
    for (const CellDisplay* display : displays_) {
        if (display == asker) continue;
        if (std::optional<std::string> formula = display->userFormula(page, shapeID, cell))
            return formula;
    }
    return std::nullopt;
}

void CellDisplays::putBack(const visio::VPage& page, const std::vector<int32_t>& shapeIDs) const {
    for (CellDisplay* display : displays_) display->putBack(page, shapeIDs);
}

bool CellDisplays::showsOwnText(const visio::VShape& box, int32_t boxID,
                                const std::string& text) const {
    return std::any_of(displays_.begin(), displays_.end(), [&](const CellDisplay* display) {
        return display->showsOwnText(box, boxID, text);
    });
}

// Each display's saved formula is the user's beneath the others, so any of them answers.
std::vector<CellDisplay::HeldCell> CellDisplays::heldCells(const visio::VPage& page,
                                                           int32_t shapeID) const {
    std::vector<CellDisplay::HeldCell> cells;
    for (const CellDisplay* display : displays_) {
        for (CellDisplay::HeldCell& held : display->heldCells(page, shapeID)) {
            const bool known = std::any_of(
                cells.begin(), cells.end(),
                [&](const CellDisplay::HeldCell& c) { return c.address == held.address; });
            if (!known) cells.push_back(std::move(held));
        }
    }
    return cells;
}

std::optional<std::string> CellDisplays::heldText(const visio::VPage& page, int32_t shapeID) const {
    for (const CellDisplay* display : displays_) {
        if (std::optional<std::string> text = display->heldText(page, shapeID)) return text;
    }
    return std::nullopt;
}
