#include "model/SavedFormulaIndex.h"

#include <algorithm>

#include "platform/visio/VCell.h"

namespace {

// What puts the cell back as it is now. A formula inherited from the master is saved as
// the empty formula, which makes the cell inherit again: writing the master's formula
// itself would leave the shape with a local copy that no longer follows its master.
std::string formulaToRestore(const visio::VCell& cell) {
    return cell.IsInherited() ? std::string() : cell.FormulaU();
}

}  // namespace

void SavedFormulaIndex::beginElement(int32_t id, const visio::VShape& shape) {
    if (ownerOf_.count(id) == 0) addShape(id, shape);
    current_ = id;
}

void SavedFormulaIndex::endElement() {
    auto it = ownerOf_.find(current_);
    if (it != ownerOf_.end()) current_ = it->second;
}

void SavedFormulaIndex::addShape(int32_t id, const visio::VShape& shape) {
    owners_.emplace(current_, id);
    ownerOf_.emplace(id, current_);
    saveFormulas(id, shape);
}

// A local formula is read whole and unchanged: it is written back as it was saved.
void SavedFormulaIndex::saveFormulas(int32_t id, const visio::VShape& shape) {
    if (saved_.count(id) != 0) return;
    auto list = std::make_unique<SavedCellList>();
    if (tables_) {
        for (const auto& [key, table] : *tables_) {
            if (!table) continue;
            for (int32_t i = 0; i < table->getCount(); ++i) {
                const CellAddress a = table->get(i);
                list->add(SavedCellList::packSectionRow(a.section, a.row), a.cell);
            }
        }
    }
    for (int32_t i = 0; i < list->getCount(); ++i) {
        const CellAddress a = list->getAddress(i);
        list->setFormula(i, formulaToRestore(shape.CellsSRC(static_cast<int16_t>(a.section),
                                                            static_cast<int16_t>(a.row),
                                                            static_cast<int16_t>(a.cell))));
    }
    saved_.emplace(id, std::move(list));
}

void SavedFormulaIndex::saveBeforeRewrite(int32_t id, const visio::VShape& shape,
                                          const CellAddress& address) {
    saveFormulas(id, shape);
    const bool listed = std::any_of(
        rewritten_.begin(), rewritten_.end(),
        [&](const RewrittenCell& c) { return c.shapeID == id && c.address == address; });
    if (listed) return;
    for (int32_t i = 0; i < getRecordCount(id); ++i) {
        if (getRecordAddress(id, i) == address) {
            rewritten_.push_back({id, address, getRecordFormula(id, i)});
            return;
        }
    }
}

std::vector<int32_t> SavedFormulaIndex::collectSubShapes(int32_t id) const {
    std::vector<int32_t> leaves;
    std::vector<int32_t> visiting{id};
    collectInto(id, leaves, visiting);
    return leaves;
}

// `visiting` holds the owners on the way down, so that a shape registered below one of
// its own members cannot send the walk round in circles.
void SavedFormulaIndex::collectInto(int32_t id, std::vector<int32_t>& leaves,
                                    std::vector<int32_t>& visiting) const {
    const auto range = owners_.equal_range(id);
    for (auto it = range.first; it != range.second; ++it) {
        const int32_t member = it->second;
        if (std::find(visiting.begin(), visiting.end(), member) != visiting.end()) continue;
        if (owners_.count(member) == 0) {
            leaves.push_back(member);
            continue;
        }
        visiting.push_back(member);
        collectInto(member, leaves, visiting);
        visiting.pop_back();
    }
}

const SavedCellList* SavedFormulaIndex::savedList(int32_t shapeID) const {
    auto it = saved_.find(shapeID);
    return it == saved_.end() ? nullptr : it->second.get();
}

int32_t SavedFormulaIndex::getRecordCount(int32_t shapeID) const {
    const SavedCellList* list = savedList(shapeID);
    return list ? list->getCount() : 0;
}

CellAddress SavedFormulaIndex::getRecordAddress(int32_t shapeID, int32_t i) const {
    const SavedCellList* list = savedList(shapeID);
    return list ? list->getAddress(i) : CellAddress{};
}

std::string SavedFormulaIndex::getRecordFormula(int32_t shapeID, int32_t i) const {
    const SavedCellList* list = savedList(shapeID);
    return list ? list->getFormula(i) : std::string();
}
