// One shape as a reader sees it: its ID, its named cells and its sub-shapes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/visio/VCell.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

// While remembering, each fact is asked of Visio once: whether the shape has a cell of a
// name (the cell itself is looked up, which answers that too), the cell's formula and
// value, the shape's ID and its sub-shapes. Whatever is written to the shape must be
// followed by forgetCells. Without remembering, every question goes to Visio as the
// cell and shape helpers ask it, one call after another.
class ShapeFacts {
public:
    ShapeFacts() = default;
    ShapeFacts(visio::VShape shape, bool remember);

    const visio::VShape& shape() const { return shape_; }
    bool isEmpty() const { return shape_.isEmpty(); }

    int32_t id();
    // As cellExists, getCellString, getCellResult and getCellResultInt.
    bool hasCell(const std::string& name);
    // Whether the shape was asked for the cell already, or a batch told of it.
    bool knowsCell(const std::string& name) const { return cells_.count(name) != 0; }
    std::string cellString(const std::string& name);
    double cellResult(const std::string& name);
    int32_t cellResultInt(const std::string& name);
    // The shape's own sub-shapes: how many, and item i (from 1; empty out of range). Only
    // a group has sub-shapes: while remembering, a shape that is none is not asked more.
    int32_t subShapeCount();
    // The same without asking the type first, for a reader that expects sub-shapes.
    int32_t countSubShapes();
    // Whether how many sub-shapes the shape has was asked already.
    bool knowsSubShapes() const { return subShapeCount_.has_value(); }
    visio::VShape subShape(int32_t index);
    // The ID of sub-shape i (0 for none).
    int32_t subShapeID(int32_t index);
    // The ID of the shape or of one of its sub-shapes as far as it is known already.
    std::optional<int32_t> knownID(const visio::VShape& shape) const;
    // Facts read elsewhere, in a batch: the cell exists and holds this formula, or this
    // value; or the shape has no such cell.
    void knowFormula(const std::string& name, std::string formula);
    void knowResult(const std::string& name, double result);
    void knowMissing(const std::string& name);
    // What the cells say may have changed.
    void forgetCells();

private:
    struct KnownCell {
        bool exists = false;
        // Looked up when a fact of it is asked that no batch gave.
        std::optional<visio::VCell> cell;
        // The text the cell holds, as getCellString reads it.
        std::optional<std::string> text;
        std::optional<double> result;
    };

    KnownCell& known(const std::string& name);
    const visio::VCell& cellOf(const std::string& name, KnownCell& c);

    visio::VShape shape_;
    bool remember_ = false;
    std::optional<int32_t> id_;
    std::optional<int16_t> type_;
    std::map<std::string, KnownCell> cells_;
    std::optional<visio::VShapes> subShapes_;
    std::optional<int32_t> subShapeCount_;
    std::map<int32_t, visio::VShape> subShapeAt_;
    std::map<int32_t, int32_t> subShapeIDAt_;
};
