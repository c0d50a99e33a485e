// Visio's Shapes collection, Shape, Cell and the glue records (Connects).
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"

namespace visio {

class IVShapes : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Shapes;
    virtual int32_t Count() = 0;
    // From 1.
    virtual ComRef<IVShape> Item(int32_t index) = 0;
    virtual ComRef<IVShape> ItemFromID(int32_t id) = 0;
    virtual ComRef<IVPage> ContainingPage() = 0;
    // The group whose members these are, or the page sheet for a page's shapes.
    virtual ComRef<IVShape> ContainingShape() = 0;
};

class IVShape : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Shape;

    virtual int32_t ID() = 0;
    virtual int16_t Index() = 0;
    virtual std::string Name() = 0;
    // "Sheet." followed by the ID: how formulas of other shapes refer to this one.
    virtual std::string NameID() = 0;
    // 1 page sheet, 2 group, 3 plain shape, 6 document sheet.
    virtual int16_t Type() = 0;
    virtual bool OneD() = 0;
    virtual std::string Text() = 0;
    virtual void SetText(const std::string& text) = 0;
    // The shape's own sub-shapes.
    virtual ComRef<IVShapes> Shapes() = 0;
    // The group holding the shape; for a shape directly on a page, the page.
    virtual ObjectRef Parent() = 0;
    // The group holding the shape, or the page sheet of its page.
    virtual ComRef<IVShape> ContainingShape() = 0;
    virtual ComRef<IVPage> ContainingPage() = 0;
    virtual ComRef<IVDocument> Document() = 0;

    // Empty when the shape has no cell of that name.
    virtual ComRef<IVCell> CellsU(const std::string& name) = 0;
    virtual ComRef<IVCell> CellsSRC(int16_t section, int16_t row, int16_t cell) = 0;
    virtual int16_t CellExistsU(const std::string& name, int16_t existsLocally) = 0;
    virtual int16_t CellsSRCExists(int16_t section, int16_t row, int16_t cell,
                                   int16_t existsLocally) = 0;
    virtual int16_t SectionExists(int16_t section, int16_t existsLocally) = 0;
    virtual int16_t RowExists(int16_t section, int16_t row, int16_t existsLocally) = 0;
    virtual int16_t RowCount(int16_t section) = 0;
    virtual int16_t AddSection(int16_t section) = 0;
    virtual int16_t AddRow(int16_t section, int16_t row, int16_t rowTag) = 0;
    virtual int16_t AddNamedRow(int16_t section, const std::string& rowName, int16_t rowTag) = 0;
    virtual void DeleteSection(int16_t section) = 0;
    virtual void DeleteRow(int16_t section, int16_t row) = 0;

    // Glue records with this shape as the glued (from) shape.
    virtual ComRef<IVConnects> Connects() = 0;
    // Glue records with this shape as the target (to) shape.
    virtual ComRef<IVConnects> FromConnects() = 0;
    // 0 none, 1 overlap, 2 contains the other, 4 is contained in it, 8 touching.
    virtual int16_t SpatialRelation(const ComRef<IVShape>& other, double tolerance,
                                    int16_t flags) = 0;
    virtual ComRef<IVSelection> SpatialNeighbors(int16_t relation, double tolerance, int16_t flags,
                                                 const Variant& resultRoot) = 0;
    virtual void BoundingBox(int16_t flags, double* left, double* bottom, double* right,
                             double* top) = 0;
    // Converts a point of this shape's local coordinates to its page's coordinates.
    virtual void XYToPage(double x, double y, double* xPage, double* yPage) = 0;
    virtual void XYFromPage(double xPage, double yPage, double* x, double* y) = 0;
    virtual void Delete() = 0;
};

class IVCell : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Cell;

    virtual std::string Name() = 0;
    virtual int16_t Section() = 0;
    virtual int16_t Row() = 0;
    virtual int16_t Column() = 0;
    virtual ComRef<IVShape> Shape() = 0;
    virtual std::string FormulaU() = 0;
    // The cell has no formula of its own: it takes its master's (or its style's).
    virtual bool IsInherited() = 0;
    // The plain formula write; refused (non-zero answer) when the cell is guarded. The
    // empty formula deletes the cell's own formula, so that it inherits again.
    virtual int32_t SetFormulaU(const std::string& formula) = 0;
    // Replaces the formula even when it is guarded.
    virtual int32_t SetFormulaForceU(const std::string& formula) = 0;
    // The value in internal units (inches, radians).
    virtual double ResultIU() = 0;
    virtual void SetResultIU(double value) = 0;
    // The value in a unit given by name ("mm", "pt", "" for none) or by code (32, 81, ...).
    virtual double Result(const Variant& units) = 0;
    virtual void SetResult(const Variant& units, double value) = 0;
    virtual std::string ResultStr(const Variant& units) = 0;
    // Glues this cell (a connector's BeginX or EndX) to another cell (a connection point).
    virtual void GlueTo(const ComRef<IVCell>& target) = 0;
};

class IVConnects : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Connects;
    virtual int16_t Count() = 0;
    // From 1.
    virtual ComRef<IVConnect> Item(int16_t index) = 0;
};

// One glue record: a part of the from shape glued to a part of the to shape.
class IVConnect : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Connect;
    virtual int16_t FromPart() = 0;
    virtual int16_t ToPart() = 0;
    virtual ComRef<IVShape> FromSheet() = 0;
    virtual ComRef<IVShape> ToSheet() = 0;
    virtual ComRef<IVCell> FromCell() = 0;
    virtual ComRef<IVCell> ToCell() = 0;
};

}  // namespace visio
