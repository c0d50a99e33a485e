// A shape, group, page sheet or document sheet: the one IVShape object of that entity,
// holding its ShapeSheet, text, sub-shapes and glue records.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Units.h"
#include "simhost/formula/Value.h"
#include "simhost/host/HostObject.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

class Application;
class Cell;
class Connects;
class Document;
class Page;
class Shapes;

// Answers of cell writes: 0 written, anything else refused (the formula stays).
constexpr int32_t kWriteDone = 0;
constexpr int32_t kWriteNoCell = -1;      // the cell does not exist (or the object is gone)
constexpr int32_t kWriteGuarded = -2;     // a plain write to a GUARD formula
constexpr int32_t kWriteBadFormula = -3;  // the text does not parse

class Shape : public HostObject<visio::IVShape> {
public:
    // A shape of a page (page is null for the document sheet).
    Shape(Application* application, simhost::Document* document, Page* page, int32_t id,
          int16_t type, bool oneD);
    ~Shape() override;

    // IVShape
    QAV_VISIO_DECLARE_OVERRIDES(Shape)

    // The host's plain accessors.
    Application* application() const { return application_; }
    simhost::Document* document() const { return document_; }
    Page* page() const { return page_; }
    // The group that holds the shape; null for a shape directly on a page and for sheets.
    Shape* group() const { return group_; }
    int32_t id() const { return id_; }
    int16_t type() const { return type_; }
    bool isOneDShape() const { return oneD_; }
    bool isGroup() const { return type_ == visio::visTypeGroup; }
    // A page sheet or the document sheet: a sheet without a place on the page.
    bool isSheetOnly() const { return type_ == visio::visTypePage || type_ == visio::visTypeDoc; }
    // The name as set; empty when the shape has none (Name() then answers "Sheet.N").
    const std::string& localName() const { return name_; }
    // Renames the shape (the page finds it by the new name); names are unique on a page
    // (Page::uniqueName).
    void setName(const std::string& name);
    const std::string& text() const { return text_; }
    void setTextQuietly(const std::string& text) { text_ = text; }
    // The bytes of the picture file a foreign object was imported from, which it draws;
    // empty for every other shape.
    const std::string& imageBytes() const { return image_; }
    void setImageBytes(std::string bytes) { image_ = std::move(bytes); }
    ShapeSheet& sheet() { return sheet_; }
    simhost::Shapes& members() { return *members_; }
    std::vector<visio::ComRef<Shape>> memberList() const;
    simhost::Connects& connects() { return *connects_; }
    simhost::Connects& fromConnects() { return *fromConnects_; }

    // Cells by name for tests and the host: the formula ("" when there is no such cell),
    // the value, and a user's edit (the row is added when missing; false with *error
    // set when the name names no cell or the formula does not parse).
    std::string formula(const std::string& name);
    formula::Value value(const std::string& name);
    double number(const std::string& name);
    bool setCell(const std::string& name, const std::string& formula, std::string* error = nullptr);

    // The value of a cell through the formula engine; Error values for missing cells.
    formula::Value cellValue(const CellAddress& address);
    // The numeric value in internal units; 0 for missing cells, errors and texts.
    double cellNumber(const CellAddress& address);
    // Writes a formula as Visio's plain (force false) or forced write; raises the
    // cell-changed event when written.
    int32_t writeFormula(const CellAddress& address, const std::string& formula, bool force);
    // Writes a value as a constant formula in the unit (refused when guarded).
    int32_t writeValue(const CellAddress& address, double value, const formula::Unit& unit);
    bool isGuarded(const CellAddress& address);
    visio::ComRef<Cell> cellObject(const CellAddress& address);

    // The sheet a formula qualifier names from this shape: "" itself, "ThePage",
    // "TheDoc", "Sheet.N" or a shape name; null when none.
    Shape* resolveSheet(const std::string& qualifier);
    // The sheet's number in formula contexts: the shape ID, -1 for a page sheet and -2
    // for the document sheet (the engine takes 0 for "no sheet").
    int32_t contextId() const;

    // Structure, kept by the page and the group that hold the shape.
    void attach(simhost::Shapes* collection, Shape* group);
    void setGroup(Shape* group) { group_ = group; }
    simhost::Shapes* collection() const { return collection_; }
    // Marks the shape and its sub-shapes deleted and lets go of everything they hold.
    void detach();
    // LockDelete is set: Visio refuses to delete the shape.
    bool isDeleteLocked();
    // The user's edits that the shape's locks refuse (what an add-on writes through the
    // object model they let pass): typing its text (LockTextEdit), and a move by dx, dy
    // along an axis that LockMoveX or LockMoveY holds.
    bool isTextEditLocked();
    bool isMoveLocked(double dx, double dy);
    // True when this shape is the other one or lies inside it.
    bool isInside(const Shape& other) const;

private:
    // Whether the cell of the protection row holds a lock.
    bool isLockSet(int16_t lockCell);
    bool usable() const { return !isDeleted() && application_; }
    void changed(const CellAddress& address);
    visio::ComRef<visio::IVCell> lookupCell(const CellAddress& address);

    Application* application_;
    simhost::Document* document_;
    Page* page_;
    Shape* group_ = nullptr;
    simhost::Shapes* collection_ = nullptr;
    int32_t id_;
    int16_t type_;
    bool oneD_;
    std::string name_;
    std::string text_;
    std::string image_;
    ShapeSheet sheet_;
    visio::ComRef<simhost::Shapes> members_;
    visio::ComRef<simhost::Connects> connects_;
    visio::ComRef<simhost::Connects> fromConnects_;
};

}  // namespace simhost
