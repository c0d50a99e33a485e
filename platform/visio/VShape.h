// A shape, group, page sheet or document sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVShape.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VCell;
class VConnects;
class VDocument;
class VObject;
class VPage;
class VSelection;
class VShapes;

class VShape : public Wrapper<IVShape> {
public:
    using Interface = IVShape;
    using Wrapper::Wrapper;

    int32_t ID() const;
    int16_t Index() const;
    std::string Name() const;
    std::string NameID() const;
    int16_t Type() const;
    bool OneD() const;
    std::string Text() const;
    void SetText(const std::string& text) const;
    VShapes Shapes() const;
    VObject Parent() const;
    VShape ContainingShape() const;
    VPage ContainingPage() const;
    VDocument Document() const;
    VCell CellsU(const std::string& name) const;
    VCell CellsSRC(int16_t section, int16_t row, int16_t cell) const;
    int16_t CellExistsU(const std::string& name, int16_t existsLocally) const;
    int16_t CellsSRCExists(int16_t section, int16_t row, int16_t cell, int16_t existsLocally) const;
    int16_t SectionExists(int16_t section, int16_t existsLocally) const;
    int16_t RowExists(int16_t section, int16_t row, int16_t existsLocally) const;
    int16_t RowCount(int16_t section) const;
    int16_t AddSection(int16_t section) const;
    int16_t AddRow(int16_t section, int16_t row, int16_t rowTag) const;
    int16_t AddNamedRow(int16_t section, const std::string& rowName, int16_t rowTag) const;
    void DeleteSection(int16_t section) const;
    void DeleteRow(int16_t section, int16_t row) const;
    VConnects Connects() const;
    VConnects FromConnects() const;
    int16_t SpatialRelation(const VShape& other, double tolerance, int16_t flags) const;
    VSelection SpatialNeighbors(int16_t relation, double tolerance, int16_t flags,
                                const Variant& resultRoot) const;
    void BoundingBox(int16_t flags, double* left, double* bottom, double* right, double* top) const;
    void XYToPage(double x, double y, double* xPage, double* yPage) const;
    void XYFromPage(double xPage, double yPage, double* x, double* y) const;
    void Delete() const;
};

}  // namespace visio
