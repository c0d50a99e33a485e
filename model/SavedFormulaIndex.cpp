#include "model/SavedFormulaIndex.h"

#include <algorithm>
#include <unordered_map>

#include "helpers/CellHelpers.h"
#include "helpers/FormulaBatchHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"

void SavedFormulaIndex::beginElement(int32_t id, const visio::VShape& shape) {
    if (ownerOf_.count(id) == 0) addShape(id, shape);
    current_ = id;
}

void SavedFormulaIndex::endElement() {
    auto it = ownerOf_.find(current_);
    if (it != ownerOf_.end()) current_ = it->second;
}

void SavedFormulaIndex::addShape(int32_t id, const visio::VShape& shape) {
    registerUnder(current_, id, shape, owners_.end());
}

// The member goes just before `before` among the owner's members (last for their end).
SavedFormulaIndex::Members::iterator SavedFormulaIndex::registerUnder(int32_t owner, int32_t id,
                                                                      const visio::VShape& shape,
                                                                      Members::iterator before) {
    const auto entry = owners_.emplace_hint(before, owner, id);
    ownerOf_.emplace(id, owner);
    if (mode_ == ReadingMode::Batched) {
        if (saved_.count(id) == 0) pending_.push_back({id, shape});
    } else {
        saveFormulas(id, shape);
    }
    return entry;
}

void SavedFormulaIndex::addSubShapesLater(int32_t id, const visio::VShape& shape) {
    Members::iterator after = owners_.end();
    if (id != current_) {
        const auto members = owners_.equal_range(current_);
        for (auto it = members.second; it != members.first;) {
            if ((--it)->second == id) {
                after = it;
                break;
            }
        }
    }
    later_.emplace(id, LaterSubShapes{current_, shape, after});
}

void SavedFormulaIndex::addSubShapesNow() {
    while (!later_.empty()) addSubShapesOf(later_.begin()->first);
}

// In the order registering them at once would have given: depth first, each group's
// members right after it.
void SavedFormulaIndex::addSubShapesOf(int32_t id) {
    auto it = later_.find(id);
    if (it == later_.end()) return;
    const LaterSubShapes later = std::move(it->second);
    later_.erase(it);
    registerSubShapes(later.owner, later.shape,
                      later.after == owners_.end() ? owners_.end() : std::next(later.after));
}

void SavedFormulaIndex::registerSubShapes(int32_t owner, const visio::VShape& shape,
                                          Members::iterator before) {
    if (shape.Type() != visio::visTypeGroup) return;
    const visio::VShapes members = shape.Shapes();
    const int32_t count = members.Count();
    for (int32_t i = 1; i <= count; ++i) {
        const visio::VShape member = getShapeByIndex(members, i);
        registerUnder(owner, member.ID(), member, before);
        registerSubShapes(owner, member, before);
    }
}

void SavedFormulaIndex::saveFormulas(int32_t id, const visio::VShape& shape) {
    if (saved_.count(id) != 0) return;
    if (mode_ == ReadingMode::Batched) {
        saveInBatches({{id, shape}});
        return;
    }
    saveFormulasNow(id, shape);
}

// The addresses of every table wanted for the shape, each once, with empty formulas.
std::unique_ptr<SavedCellList> SavedFormulaIndex::emptyList(int32_t id,
                                                            const TableFilter& wanted) const {
    auto list = std::make_unique<SavedCellList>();
    if (!tables_) return list;
    auto isWanted = [&](int32_t key, const CellAddressTable* table) {
        return table && (!wanted || wanted(id, key));
    };
    int32_t addresses = 0;
    for (const auto& [key, table] : *tables_)
        addresses += isWanted(key, table) ? table->getCount() : 0;
    list->reserve(addresses);
    for (const auto& [key, table] : *tables_) {
        if (!isWanted(key, table)) continue;
        for (int32_t i = 0; i < table->getCount(); ++i) {
            const CellAddress a = table->get(i);
            list->add(SavedCellList::packSectionRow(a.section, a.row), a.cell);
        }
    }
    return list;
}

// A local formula is read whole and unchanged: it is written back as it was saved.
void SavedFormulaIndex::saveFormulasNow(int32_t id, const visio::VShape& shape) {
    std::unique_ptr<SavedCellList> list = emptyList();
    for (int32_t i = 0; i < list->getCount(); ++i) {
        const CellAddress a = list->getAddress(i);
        list->setFormula(i, formulaToRestore(shape.CellsSRC(static_cast<int16_t>(a.section),
                                                            static_cast<int16_t>(a.row),
                                                            static_cast<int16_t>(a.cell))));
    }
    saved_.emplace(id, SavedShape{std::move(list), shape});
}

void SavedFormulaIndex::saveRegisteredFormulas(const TableFilter& wanted) {
    if (!wanted) addSubShapesNow();
    std::vector<PendingShape> shapes;
    shapes.swap(pending_);
    if (wanted && tables_) {
        auto anyTable = [&](const PendingShape& p) {
            return std::any_of(tables_->begin(), tables_->end(),
                               [&](const auto& entry) { return wanted(p.id, entry.first); });
        };
        shapes.erase(std::remove_if(shapes.begin(), shapes.end(),
                                    [&](const PendingShape& p) { return !anyTable(p); }),
                     shapes.end());
    }
    saveInBatches(shapes, wanted);
}

namespace {

constexpr int16_t kLocally = 1;

// Which of the shape's rows hold a formula of the shape's own. A row that does not is
// inherited or missing: each of its cells is saved as the empty formula either way.
bool rowIsLocal(const visio::VShape& shape, const CellAddress& a) {
    return shape.RowExists(static_cast<int16_t>(a.section), static_cast<int16_t>(a.row),
                           kLocally) != 0;
}

bool cellIsLocal(const visio::VShape& shape, const CellAddress& a) {
    return shape.CellsSRCExists(static_cast<int16_t>(a.section), static_cast<int16_t>(a.row),
                                static_cast<int16_t>(a.cell), kLocally) != 0;
}

}  // namespace

// The same formulas as one by one, for a few calls: a cell that inherits (or is missing)
// is saved as the empty formula without reading it, found by its row where the whole row
// inherits; the local formulas of all the shapes come in batch reads. A row of one listed
// cell is not asked for: its cell's own test tells as much.
void SavedFormulaIndex::saveInBatches(const std::vector<PendingShape>& shapes,
                                      const TableFilter& wanted) {
    std::vector<FormulaBatchKey> cells;
    std::vector<std::pair<SavedCellList*, int32_t>> targets;
    ShapesByID shapeOf;
    for (const PendingShape& p : shapes) {
        if (saved_.count(p.id) != 0) continue;
        std::unique_ptr<SavedCellList> list = emptyList(p.id, wanted);
        using Row = std::pair<uint16_t, uint16_t>;
        std::map<Row, int32_t> listedInRow;
        for (int32_t i = 0; i < list->getCount(); ++i) {
            const CellAddress a = list->getAddress(i);
            ++listedInRow[{a.section, a.row}];
        }
        std::map<Row, bool> localRows;
        for (int32_t i = 0; i < list->getCount(); ++i) {
            const CellAddress a = list->getAddress(i);
            const Row key{a.section, a.row};
            auto row = localRows.find(key);
            if (row == localRows.end())
                row = localRows.emplace(key, listedInRow[key] == 1 || rowIsLocal(p.shape, a)).first;
            if (!row->second || !cellIsLocal(p.shape, a)) continue;
            cells.push_back({p.id, a.section, a.row, a.cell});
            targets.emplace_back(list.get(), i);
        }
        shapeOf.emplace(p.id, p.shape);
        saved_.emplace(p.id, SavedShape{std::move(list), p.shape});
    }
    if (cells.empty()) return;
    const visio::VPage page = shapes.front().shape.ContainingPage();
    const std::vector<std::string> formulas = getFormulasBatch(page, cells, shapeIn(shapeOf));
    // Each list's formulas take exactly the room they need: a page has many lists.
    std::unordered_map<SavedCellList*, std::size_t> length;
    for (std::size_t k = 0; k < targets.size(); ++k) length[targets[k].first] += formulas[k].size();
    for (const auto& [list, chars] : length) list->reserveFormulas(chars);
    for (std::size_t k = 0; k < targets.size(); ++k) {
        targets[k].first->setFormula(targets[k].second, formulas[k]);
    }
}

bool SavedFormulaIndex::saveBeforeRewrite(int32_t id, const visio::VShape& shape,
                                          const CellAddress& address, const std::string& written) {
    saveFormulas(id, shape);
    const bool listed = std::any_of(
        rewritten_.begin(), rewritten_.end(),
        [&](const RewrittenCell& c) { return c.shapeID == id && c.address == address; });
    if (listed) return true;
    for (int32_t i = 0; i < getRecordCount(id); ++i) {
        if (getRecordAddress(id, i) == address) {
            rewritten_.push_back({id, address, getRecordFormula(id, i), written});
            return true;
        }
    }
    return false;
}

// A box read again (a second model element naming it) keeps what it held first.
void SavedFormulaIndex::noteTextRead(int32_t boxID, std::string text) {
    textsRead_.emplace(boxID, std::move(text));
}

const std::string* SavedFormulaIndex::textRead(int32_t boxID) const {
    auto it = textsRead_.find(boxID);
    return it == textsRead_.end() ? nullptr : &it->second;
}

std::vector<int32_t> SavedFormulaIndex::collectSubShapes(int32_t id, const StopAt& stopAt) {
    std::vector<int32_t> leaves;
    std::vector<int32_t> visiting{id};
    collectInto(id, leaves, visiting, stopAt);
    return leaves;
}

// `visiting` holds the owners on the way down, so that a shape registered below one of
// its own members cannot send the walk round in circles.
// Sub-shapes left for later are registered as the walk meets their shapes; they follow
// their shape, so the walk goes on through them.
void SavedFormulaIndex::collectInto(int32_t id, std::vector<int32_t>& leaves,
                                    std::vector<int32_t>& visiting, const StopAt& stopAt) {
    addSubShapesOf(id);
    // The end of the members is found afresh: registering may add entries anywhere.
    for (auto it = owners_.lower_bound(id); it != owners_.end() && it->first == id; ++it) {
        const int32_t member = it->second;
        if (std::find(visiting.begin(), visiting.end(), member) != visiting.end()) continue;
        if (stopAt && stopAt(member)) {
            leaves.push_back(member);
            continue;
        }
        addSubShapesOf(member);
        if (owners_.count(member) == 0) {
            leaves.push_back(member);
            continue;
        }
        visiting.push_back(member);
        collectInto(member, leaves, visiting, stopAt);
        visiting.pop_back();
    }
}

// Questions about saved records come after reading: what is still to be saved is saved
// first.
const SavedCellList* SavedFormulaIndex::savedList(int32_t shapeID) const {
    if (!pending_.empty()) const_cast<SavedFormulaIndex*>(this)->saveRegisteredFormulas();
    auto it = saved_.find(shapeID);
    return it == saved_.end() ? nullptr : it->second.list.get();
}

std::vector<int32_t> SavedFormulaIndex::savedShapeIDs() const {
    if (!pending_.empty()) const_cast<SavedFormulaIndex*>(this)->saveRegisteredFormulas();
    std::vector<int32_t> ids;
    ids.reserve(saved_.size());
    for (const auto& entry : saved_) ids.push_back(entry.first);
    return ids;
}

visio::VShape SavedFormulaIndex::savedShape(int32_t shapeID) const {
    auto it = saved_.find(shapeID);
    return it == saved_.end() ? visio::VShape() : it->second.shape;
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

void SavedFormulaIndex::enterSavedFormulas(int32_t shapeID, FormulaBatchMap& batch) const {
    const SavedCellList* list = savedList(shapeID);
    for (int32_t i = 0; list && i < list->getCount(); ++i) {
        const CellAddress a = list->getAddress(i);
        batch.emplace(FormulaBatchKey{shapeID, a.section, a.row, a.cell}, list->getFormula(i));
    }
}

std::vector<SavedFormulaIndex::SavedCell> SavedFormulaIndex::savedCells(int32_t shapeID) const {
    std::vector<SavedCell> cells;
    const SavedCellList* list = savedList(shapeID);
    for (int32_t i = 0; list && i < list->getCount(); ++i)
        cells.push_back({list->getAddress(i), list->getFormula(i)});
    return cells;
}

std::optional<std::string> SavedFormulaIndex::findFormula(int32_t shapeID,
                                                          const CellAddress& cell) const {
    const SavedCellList* list = savedList(shapeID);
    for (int32_t i = 0; list && i < list->getCount(); ++i) {
        if (list->getAddress(i) == cell) return list->getFormula(i);
    }
    return std::nullopt;
}

void SavedFormulaIndex::setFormula(int32_t shapeID, const CellAddress& cell, std::string formula) {
    auto it = saved_.find(shapeID);
    SavedCellList* list = it == saved_.end() ? nullptr : it->second.list.get();
    for (int32_t i = 0; list && i < list->getCount(); ++i) {
        if (list->getAddress(i) == cell) {
            list->setFormula(i, std::move(formula));
            return;
        }
    }
}

void SavedFormulaIndex::replaceFormulas(const Replacement& replacement) {
    if (!pending_.empty()) saveRegisteredFormulas();
    for (auto& [shapeID, saved] : saved_) {
        SavedCellList* list = saved.list.get();
        for (int32_t i = 0; list && i < list->getCount(); ++i) {
            if (std::optional<std::string> formula = replacement(shapeID, list->getAddress(i)))
                list->setFormula(i, std::move(*formula));
        }
    }
}
