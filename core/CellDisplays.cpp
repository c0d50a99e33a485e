#include "core/CellDisplays.h"

#include <algorithm>

#include "model/SavedFormulaIndex.h"

CellDisplay::~CellDisplay() {
    if (displays_) displays_->leave(this);
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
