// The formulas a client's cells held before the client wrote its own, per shape, and
// which registered shape belongs to which element or group.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "model/CellAddress.h"
#include "model/CellAddressTable.h"
#include "model/ReadingMode.h"
#include "model/SavedCellList.h"
#include "platform/visio/VShape.h"

// While a page is read, every registered shape gets the current formula of each cell
// of each of the client's tables saved. Shapes are registered under the element or
// group being read (0 at top level), so that plain groups can be seen through.
class SavedFormulaIndex {
public:
    SavedFormulaIndex() = default;
    SavedFormulaIndex(const SavedFormulaIndex&) = delete;
    SavedFormulaIndex& operator=(const SavedFormulaIndex&) = delete;

    // The client keeps the tables alive as long as this index.
    void setTables(const CellAddressTableMap* tables) { tables_ = tables; }
    // Batched: registering a shape only notes it, and saveRegisteredFormulas (or the
    // first question about saved records) saves them all in batches.
    void setReadingMode(ReadingMode mode) { mode_ = mode; }

    // Makes the shape the current owner, registering it first when it is new.
    void beginElement(int32_t id, const visio::VShape& shape);
    // Returns to the owner of the current shape.
    void endElement();
    // Registers the shape under the current owner and saves its formulas.
    void addShape(int32_t id, const visio::VShape& shape);
    // The sub-shapes of the shape (and theirs), should it have any, are registered under
    // the current owner, right after the shape, only once the owners' members are asked
    // for or every formula is saved: whether a shape has sub-shapes costs a call into
    // Visio. The shape is the current owner, or the member registered under it last.
    void addSubShapesLater(int32_t id, const visio::VShape& shape);
    // Saves the shape's formulas of every table's cells; a shape saved before keeps
    // what was saved first.
    void saveFormulas(int32_t id, const visio::VShape& shape);
    // Whether a shape's formulas are saved for the cells of the table of that key.
    using TableFilter = std::function<bool(int32_t shapeID, int32_t tableKey)>;
    // Saves what the registered shapes that are still to be saved hold, in batches: the
    // cells of the tables that `wanted` names for each shape (all when it is empty); a
    // shape it names none for keeps no records. Must run before the client writes a cell
    // of theirs.
    void saveRegisteredFormulas(const TableFilter& wanted = nullptr);
    // Reading is about to write `written` into the cell to bring a shape of an older
    // stencil up to date: the shape's formulas are saved first, and when a table names
    // the cell, it is listed to be put back with what it held, whether or not the shape
    // becomes an element. False when no table names the cell: nothing would put it back,
    // so it must not be written.
    bool saveBeforeRewrite(int32_t id, const visio::VShape& shape, const CellAddress& address,
                           const std::string& written);
    // Reading took the text of a text box for a number: text is what the user wrote there
    // (reading never writes the box).
    void noteTextRead(int32_t boxID, std::string text);
    // What the box held when reading first took it; null for a box it did not take.
    const std::string* textRead(int32_t boxID) const;
    // Whether the shape was registered while the page was read (sub-shapes still to be
    // registered later are not).
    bool isRegistered(int32_t id) const { return ownerOf_.count(id) != 0; }
    // Registers every sub-shape left for later now.
    void addSubShapesNow();
    // Whether the walk below a shape stops at a registered shape, taking it whole.
    using StopAt = std::function<bool(int32_t id)>;
    // The registered shapes below id that own none themselves, depth first; a shape that
    // stopAt names is taken in place of what lies below it.
    std::vector<int32_t> collectSubShapes(int32_t id, const StopAt& stopAt = nullptr);

    // The IDs of the shapes whose formulas were saved, ascending.
    std::vector<int32_t> savedShapeIDs() const;
    // The shape whose formulas were saved under the ID, as reading found it; empty when
    // none was saved.
    visio::VShape savedShape(int32_t shapeID) const;
    int32_t getRecordCount(int32_t shapeID) const;
    CellAddress getRecordAddress(int32_t shapeID, int32_t i) const;
    std::string getRecordFormula(int32_t shapeID, int32_t i) const;
    // Enters the shape's saved formulas into the batch, each where the batch holds none
    // for its cell yet.
    void enterSavedFormulas(int32_t shapeID, FormulaBatchMap& batch) const;
    struct SavedCell {
        CellAddress address;
        std::string formula;
    };
    // Every cell saved for the shape with its formula; none when none were saved.
    std::vector<SavedCell> savedCells(int32_t shapeID) const;
    // The formula saved for the shape's cell; nothing when none was saved.
    std::optional<std::string> findFormula(int32_t shapeID, const CellAddress& cell) const;
    // The user's formula beneath the client's display in a saved cell is now this one
    // (the user typed it there while the display showed): it is what goes back.
    void setFormula(int32_t shapeID, const CellAddress& cell, std::string formula);
    // Where `replacement` answers a formula for a saved cell, it takes the saved one's
    // place.
    using Replacement =
        std::function<std::optional<std::string>(int32_t shapeID, const CellAddress& cell)>;
    void replaceFormulas(const Replacement& replacement);

    struct RewrittenCell {
        int32_t shapeID;
        CellAddress address;
        std::string formula;
        // What reading wrote: a cell that holds something else now holds the user's edit.
        std::string written;
    };
    // The cells that reading rewrote and a table names, each once, with what they held
    // before, in the order first rewritten.
    const std::vector<RewrittenCell>& getRewrittenCells() const { return rewritten_; }

private:
    struct PendingShape {
        int32_t id;
        visio::VShape shape;
    };

    const SavedCellList* savedList(int32_t shapeID) const;
    std::unique_ptr<SavedCellList> emptyList(int32_t id = 0,
                                             const TableFilter& wanted = nullptr) const;
    void saveInBatches(const std::vector<PendingShape>& shapes,
                       const TableFilter& wanted = nullptr);
    void saveFormulasNow(int32_t id, const visio::VShape& shape);
    void collectInto(int32_t id, std::vector<int32_t>& leaves, std::vector<int32_t>& visiting,
                     const StopAt& stopAt);
    using Members = std::multimap<int32_t, int32_t>;
    Members::iterator registerUnder(int32_t owner, int32_t id, const visio::VShape& shape,
                                    Members::iterator before);
    void addSubShapesOf(int32_t id);
    void registerSubShapes(int32_t owner, const visio::VShape& shape, Members::iterator before);

    Members owners_;
    // The owner each shape was first registered under, for endElement.
    std::map<int32_t, int32_t> ownerOf_;
    struct SavedShape {
        std::unique_ptr<SavedCellList> list;
        visio::VShape shape;
    };
    std::map<int32_t, SavedShape> saved_;
    std::vector<RewrittenCell> rewritten_;
    std::unordered_map<int32_t, std::string> textsRead_;
    int32_t current_ = 0;
    const CellAddressTableMap* tables_ = nullptr;
    ReadingMode mode_ = ReadingMode::OneByOne;
    // Registered in batched reading and not saved yet, in the order registered.
    mutable std::vector<PendingShape> pending_;
    // Shapes whose sub-shapes are still to be registered, by ID: the owner they go under
    // and the member they follow (the owner's end when the shape is the owner itself).
    struct LaterSubShapes {
        int32_t owner;
        visio::VShape shape;
        Members::iterator after;
    };
    std::unordered_map<int32_t, LaterSubShapes> later_;
};
