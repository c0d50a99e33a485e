// Visio's Shapes collection, Shape, Cell and the glue records (Connects).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

// clang-format off
#define QAV_VISIO_MEMBERS_Shapes(X, C) \
    X(C, Get,    int32_t, Count, "Count", (), ()) \
    /* From 1. */ \
    X(C, Get,    visio::ComRef<visio::IVShape>, Item, "Item", (int32_t index), (index)) \
    X(C, Get,    visio::ComRef<visio::IVShape>, ItemFromID, "ItemFromID", (int32_t id), (id)) \
    /* A shape of this collection (not inside its groups) by its universal name. */ \
    X(C, Get,    visio::ComRef<visio::IVShape>, ItemU, "ItemU", (const std::string& nameU), (nameU)) \
    X(C, Get,    visio::ComRef<visio::IVPage>, ContainingPage, "ContainingPage", (), ()) \
    /* The group whose members these are, or the page sheet for a page's shapes. */ \
    X(C, Get,    visio::ComRef<visio::IVShape>, ContainingShape, "ContainingShape", (), ())

#define QAV_VISIO_MEMBERS_Shape(X, C) \
    X(C, Get,    int32_t, ID, "ID", (), ()) \
    X(C, Get,    int16_t, Index, "Index", (), ()) \
    X(C, Get,    std::string, Name, "Name", (), ()) \
    /* "Sheet." followed by the ID: how formulas of other shapes refer to this one. */ \
    X(C, Get,    std::string, NameID, "NameID", (), ()) \
    /* 1 page sheet, 2 group, 3 plain shape, 6 document sheet. */ \
    X(C, Get,    int16_t, Type, "Type", (), ()) \
    X(C, Get,    bool, OneD, "OneD", (), ()) \
    X(C, Get,    std::string, Text, "Text", (), ()) \
    X(C, Put,    void, SetText, "Text", (const std::string& text), (text)) \
    /* The shape's own sub-shapes. */ \
    X(C, Get,    visio::ComRef<visio::IVShapes>, Shapes, "Shapes", (), ()) \
    /* The group holding the shape; for a shape directly on a page, the page. */ \
    X(C, Get,    visio::ObjectRef, Parent, "Parent", (), ()) \
    /* The group holding the shape, or the page sheet of its page. */ \
    X(C, Get,    visio::ComRef<visio::IVShape>, ContainingShape, "ContainingShape", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVPage>, ContainingPage, "ContainingPage", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVDocument>, Document, "Document", (), ()) \
    /* Empty when the shape has no cell of that name. */ \
    X(C, Get,    visio::ComRef<visio::IVCell>, CellsU, "CellsU", (const std::string& name), (name)) \
    X(C, Get,    visio::ComRef<visio::IVCell>, CellsSRC, "CellsSRC", \
      (int16_t section, int16_t row, int16_t cell), (section, row, cell)) \
    X(C, Get,    int16_t, CellExistsU, "CellExistsU", \
      (const std::string& name, int16_t existsLocally), (name, existsLocally)) \
    /* The row of the named cell in its section (from 0); -1 when the shape has no such cell. */ \
    X(C, Get,    int16_t, CellsRowIndexU, "CellsRowIndexU", (const std::string& name), (name)) \
    X(C, Get,    int16_t, CellsSRCExists, "CellsSRCExists", \
      (int16_t section, int16_t row, int16_t cell, int16_t existsLocally), \
      (section, row, cell, existsLocally)) \
    X(C, Get,    int16_t, SectionExists, "SectionExists", \
      (int16_t section, int16_t existsLocally), (section, existsLocally)) \
    X(C, Get,    int16_t, RowExists, "RowExists", \
      (int16_t section, int16_t row, int16_t existsLocally), (section, row, existsLocally)) \
    X(C, Get,    int16_t, RowCount, "RowCount", (int16_t section), (section)) \
    /* The shape's own batches: three 16-bit numbers per cell (section, row, cell). A read */ \
    /* answers one formula per cell, or none at all when a cell it names does not exist; */ \
    /* a write answers how many formulas it wrote (flags as the page's SetFormulas). */ \
    X(C, Method, void, GetFormulasU, "GetFormulasU", \
      (const std::vector<int16_t>& srcStream, std::vector<std::string>* formulas), \
      (srcStream, formulas)) \
    X(C, Method, int16_t, SetFormulas, "SetFormulas", \
      (const std::vector<int16_t>& srcStream, const std::vector<std::string>& formulas, \
       int16_t flags), (srcStream, formulas, flags)) \
    X(C, Method, void, GetResults, "GetResults", \
      (const std::vector<int16_t>& srcStream, int16_t flags, \
       const std::vector<visio::Variant>& unitsNamesOrCodes, \
       std::vector<visio::Variant>* results), \
      (srcStream, flags, unitsNamesOrCodes, results)) \
    X(C, Method, int16_t, AddSection, "AddSection", (int16_t section), (section)) \
    X(C, Method, int16_t, AddRow, "AddRow", \
      (int16_t section, int16_t row, int16_t rowTag), (section, row, rowTag)) \
    X(C, Method, int16_t, AddNamedRow, "AddNamedRow", \
      (int16_t section, const std::string& rowName, int16_t rowTag), (section, rowName, rowTag)) \
    X(C, Method, void, DeleteSection, "DeleteSection", (int16_t section), (section)) \
    X(C, Method, void, DeleteRow, "DeleteRow", (int16_t section, int16_t row), (section, row)) \
    /* Glue records with this shape as the glued (from) shape. */ \
    X(C, Get,    visio::ComRef<visio::IVConnects>, Connects, "Connects", (), ()) \
    /* Glue records with this shape as the target (to) shape. */ \
    X(C, Get,    visio::ComRef<visio::IVConnects>, FromConnects, "FromConnects", (), ()) \
    /* 0 none, 1 overlap, 2 contains the other, 4 is contained in it, 8 touching. */ \
    X(C, Get,    int16_t, SpatialRelation, "SpatialRelation", \
      (const visio::ComRef<visio::IVShape>& other, double tolerance, int16_t flags), \
      (other, tolerance, flags)) \
    X(C, Get,    visio::ComRef<visio::IVSelection>, SpatialNeighbors, "SpatialNeighbors", \
      (int16_t relation, double tolerance, int16_t flags, const visio::Variant& resultRoot), \
      (relation, tolerance, flags, resultRoot)) \
    X(C, Method, void, BoundingBox, "BoundingBox", \
      (int16_t flags, double* left, double* bottom, double* right, double* top), \
      (flags, left, bottom, right, top)) \
    /* Converts a point of this shape's local coordinates to its page's coordinates. */ \
    X(C, Method, void, XYToPage, "XYToPage", \
      (double x, double y, double* xPage, double* yPage), (x, y, xPage, yPage)) \
    X(C, Method, void, XYFromPage, "XYFromPage", \
      (double xPage, double yPage, double* x, double* y), (xPage, yPage, x, y)) \
    X(C, Method, void, Delete, "Delete", (), ())

#define QAV_VISIO_MEMBERS_Cell(X, C) \
    X(C, Get,    std::string, Name, "Name", (), ()) \
    X(C, Get,    int16_t, Section, "Section", (), ()) \
    X(C, Get,    int16_t, Row, "Row", (), ()) \
    X(C, Get,    int16_t, Column, "Column", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVShape>, Shape, "Shape", (), ()) \
    X(C, Get,    std::string, FormulaU, "FormulaU", (), ()) \
    /* The cell has no formula of its own: it takes its master's (or its style's). */ \
    X(C, Get,    bool, IsInherited, "IsInherited", (), ()) \
    /* The plain formula write; refused (non-zero answer) when the cell is guarded. The */ \
    /* empty formula deletes the cell's own formula, so that it inherits again. */ \
    X(C, Put,    int32_t, SetFormulaU, "FormulaU", (const std::string& formula), (formula)) \
    /* Replaces the formula even when it is guarded. */ \
    X(C, Put,    int32_t, SetFormulaForceU, "FormulaForceU", (const std::string& formula), (formula)) \
    /* The same in the local syntax: the user's list separator between arguments. */ \
    X(C, Put,    int32_t, SetFormulaForce, "FormulaForce", (const std::string& formula), (formula)) \
    /* The value in internal units (inches, radians). */ \
    X(C, Get,    double, ResultIU, "ResultIU", (), ()) \
    X(C, Put,    void, SetResultIU, "ResultIU", (double value), (value)) \
    /* The value in a unit given by name ("mm", "pt", "" for none) or by code (32, 81, ...). */ \
    X(C, Get,    double, Result, "Result", (const visio::Variant& units), (units)) \
    X(C, Put,    void, SetResult, "Result", (const visio::Variant& units, double value), (units, value)) \
    X(C, Get,    std::string, ResultStr, "ResultStr", (const visio::Variant& units), (units)) \
    /* Glues this cell (a connector's BeginX or EndX) to another cell (a connection point). */ \
    X(C, Method, void, GlueTo, "GlueTo", (const visio::ComRef<visio::IVCell>& target), (target))

#define QAV_VISIO_MEMBERS_Connects(X, C) \
    X(C, Get,    int16_t, Count, "Count", (), ()) \
    /* From 1. */ \
    X(C, Get,    visio::ComRef<visio::IVConnect>, Item, "Item", (int16_t index), (index))

#define QAV_VISIO_MEMBERS_Connect(X, C) \
    X(C, Get,    int16_t, FromPart, "FromPart", (), ()) \
    X(C, Get,    int16_t, ToPart, "ToPart", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVShape>, FromSheet, "FromSheet", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVShape>, ToSheet, "ToSheet", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVCell>, FromCell, "FromCell", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVCell>, ToCell, "ToCell", (), ())
// clang-format on

namespace visio {

class IVShapes : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Shapes;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Shapes)
};
QAV_VISIO_DESCRIBE_MEMBERS(Shapes)

class IVShape : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Shape;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Shape)
};
QAV_VISIO_DESCRIBE_MEMBERS(Shape)

class IVCell : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Cell;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Cell)
};
QAV_VISIO_DESCRIBE_MEMBERS(Cell)

class IVConnects : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Connects;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Connects)
};
QAV_VISIO_DESCRIBE_MEMBERS(Connects)

// One glue record: a part of the from shape glued to a part of the to shape.
class IVConnect : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Connect;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Connect)
};
QAV_VISIO_DESCRIBE_MEMBERS(Connect)

}  // namespace visio
