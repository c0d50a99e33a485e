#include "helpers/ShapeFacts.h"

#include <utility>

#include "helpers/CellHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VisioConstants.h"

ShapeFacts::ShapeFacts(visio::VShape shape, bool remember)
    : shape_(std::move(shape)), remember_(remember) {}

int32_t ShapeFacts::id() {
    if (!remember_) return shape_.ID();
    if (!id_) id_ = shape_.ID();
    return *id_;
}

// A cell that the shape lacks is not found by its name.
ShapeFacts::KnownCell& ShapeFacts::known(const std::string& name) {
    auto it = cells_.find(name);
    if (it != cells_.end()) return it->second;
    KnownCell c;
    c.cell = shape_.CellsU(name);
    c.exists = !c.cell->isEmpty();
    return cells_.emplace(name, std::move(c)).first->second;
}

const visio::VCell& ShapeFacts::cellOf(const std::string& name, KnownCell& c) {
    if (!c.cell) c.cell = c.exists ? shape_.CellsU(name) : visio::VCell();
    return *c.cell;
}

bool ShapeFacts::hasCell(const std::string& name) {
    if (!remember_) return cellExists(shape_, name);
    return known(name).exists;
}

std::string ShapeFacts::cellString(const std::string& name) {
    if (!remember_) return getCellString(shape_, name);
    KnownCell& c = known(name);
    if (!c.text) c.text = cellText(cellOf(name, c));
    return *c.text;
}

double ShapeFacts::cellResult(const std::string& name) {
    if (!remember_) return getCellResult(shape_, name);
    KnownCell& c = known(name);
    if (!c.result) c.result = cellOf(name, c).ResultIU();
    return *c.result;
}

void ShapeFacts::knowFormula(const std::string& name, std::string formula) {
    KnownCell& c = cells_[name];
    c.exists = true;
    // A batch gives formulas: a string constant tells its text, any other formula's
    // value is asked of the cell when it is wanted.
    c.text = stringConstantText(formula);
}

void ShapeFacts::knowResult(const std::string& name, double result) {
    KnownCell& c = cells_[name];
    c.exists = true;
    c.result = result;
}

void ShapeFacts::knowMissing(const std::string& name) {
    KnownCell& c = cells_[name];
    c.exists = false;
    c.cell = visio::VCell();
}

int32_t ShapeFacts::cellResultInt(const std::string& name) {
    return resultAsInt(cellResult(name));
}

int32_t ShapeFacts::countSubShapes() {
    if (!remember_) return shape_.Shapes().Count();
    if (subShapeCount_) return *subShapeCount_;
    if (!subShapes_) subShapes_ = shape_.Shapes();
    subShapeCount_ = subShapes_->Count();
    return *subShapeCount_;
}

int32_t ShapeFacts::subShapeCount() {
    if (!remember_) return shape_.Shapes().Count();
    if (subShapeCount_) return *subShapeCount_;
    if (!type_) type_ = shape_.Type();
    if (*type_ != visio::visTypeGroup) {
        subShapeCount_ = 0;
        return 0;
    }
    return countSubShapes();
}

visio::VShape ShapeFacts::subShape(int32_t index) {
    if (!remember_) return getShapeByIndex(shape_.Shapes(), index);
    auto it = subShapeAt_.find(index);
    if (it != subShapeAt_.end()) return it->second;
    if (!subShapes_) subShapes_ = shape_.Shapes();
    return subShapeAt_.emplace(index, getShapeByIndex(*subShapes_, index)).first->second;
}

int32_t ShapeFacts::subShapeID(int32_t index) {
    if (!remember_) return subShape(index).ID();
    auto it = subShapeIDAt_.find(index);
    if (it != subShapeIDAt_.end()) return it->second;
    return subShapeIDAt_.emplace(index, subShape(index).ID()).first->second;
}

std::optional<int32_t> ShapeFacts::knownID(const visio::VShape& shape) const {
    if (shape.isSameObject(shape_)) return id_;
    for (const auto& [index, sub] : subShapeAt_) {
        if (!sub.isSameObject(shape)) continue;
        auto id = subShapeIDAt_.find(index);
        if (id != subShapeIDAt_.end()) return id->second;
    }
    return std::nullopt;
}

void ShapeFacts::forgetCells() {
    cells_.clear();
}
