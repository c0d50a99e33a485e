#include "platform/visio/VShape.h"

#include "platform/visio/VCell.h"
#include "platform/visio/VConnects.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VSelection.h"
#include "platform/visio/VShapes.h"

namespace visio {

int32_t VShape::ID() const {
    return call(&IVShape::ID);
}

int16_t VShape::Index() const {
    return call(&IVShape::Index);
}

std::string VShape::Name() const {
    return call(&IVShape::Name);
}

std::string VShape::NameID() const {
    return call(&IVShape::NameID);
}

int16_t VShape::Type() const {
    return call(&IVShape::Type);
}

bool VShape::OneD() const {
    return call(&IVShape::OneD);
}

std::string VShape::Text() const {
    return call(&IVShape::Text);
}

void VShape::SetText(const std::string& text) const {
    call(&IVShape::SetText, text);
}

VShapes VShape::Shapes() const {
    return VShapes(call(&IVShape::Shapes));
}

VObject VShape::Parent() const {
    return VObject(call(&IVShape::Parent));
}

VShape VShape::ContainingShape() const {
    return VShape(call(&IVShape::ContainingShape));
}

VPage VShape::ContainingPage() const {
    return VPage(call(&IVShape::ContainingPage));
}

VDocument VShape::Document() const {
    return VDocument(call(&IVShape::Document));
}

VCell VShape::CellsU(const std::string& name) const {
    return VCell(call(&IVShape::CellsU, name));
}

VCell VShape::CellsSRC(int16_t section, int16_t row, int16_t cell) const {
    return VCell(call(&IVShape::CellsSRC, section, row, cell));
}

int16_t VShape::CellExistsU(const std::string& name, int16_t existsLocally) const {
    return call(&IVShape::CellExistsU, name, existsLocally);
}

int16_t VShape::CellsSRCExists(int16_t section, int16_t row, int16_t cell,
                               int16_t existsLocally) const {
    return call(&IVShape::CellsSRCExists, section, row, cell, existsLocally);
}

int16_t VShape::SectionExists(int16_t section, int16_t existsLocally) const {
    return call(&IVShape::SectionExists, section, existsLocally);
}

int16_t VShape::RowExists(int16_t section, int16_t row, int16_t existsLocally) const {
    return call(&IVShape::RowExists, section, row, existsLocally);
}

int16_t VShape::RowCount(int16_t section) const {
    return call(&IVShape::RowCount, section);
}

int16_t VShape::AddSection(int16_t section) const {
    return call(&IVShape::AddSection, section);
}

int16_t VShape::AddRow(int16_t section, int16_t row, int16_t rowTag) const {
    return call(&IVShape::AddRow, section, row, rowTag);
}

int16_t VShape::AddNamedRow(int16_t section, const std::string& rowName, int16_t rowTag) const {
    return call(&IVShape::AddNamedRow, section, rowName, rowTag);
}

void VShape::DeleteSection(int16_t section) const {
    call(&IVShape::DeleteSection, section);
}

void VShape::DeleteRow(int16_t section, int16_t row) const {
    call(&IVShape::DeleteRow, section, row);
}

VConnects VShape::Connects() const {
    return VConnects(call(&IVShape::Connects));
}

VConnects VShape::FromConnects() const {
    return VConnects(call(&IVShape::FromConnects));
}

int16_t VShape::SpatialRelation(const VShape& other, double tolerance, int16_t flags) const {
    return call(&IVShape::SpatialRelation, other.ref(), tolerance, flags);
}

VSelection VShape::SpatialNeighbors(int16_t relation, double tolerance, int16_t flags,
                                    const Variant& resultRoot) const {
    return VSelection(call(&IVShape::SpatialNeighbors, relation, tolerance, flags, resultRoot));
}

void VShape::BoundingBox(int16_t flags, double* left, double* bottom, double* right,
                         double* top) const {
    if (left) *left = 0;
    if (bottom) *bottom = 0;
    if (right) *right = 0;
    if (top) *top = 0;
    call(&IVShape::BoundingBox, flags, left, bottom, right, top);
}

void VShape::XYToPage(double x, double y, double* xPage, double* yPage) const {
    if (xPage) *xPage = 0;
    if (yPage) *yPage = 0;
    call(&IVShape::XYToPage, x, y, xPage, yPage);
}

void VShape::XYFromPage(double xPage, double yPage, double* x, double* y) const {
    if (x) *x = 0;
    if (y) *y = 0;
    call(&IVShape::XYFromPage, xPage, yPage, x, y);
}

void VShape::Delete() const {
    call(&IVShape::Delete);
}

}  // namespace visio
