// Fetching shapes from collections and selections, a shape's parent and sub-shapes, and a
// shape's text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/visio/VSelection.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

// The collection's item at that index (from 1).
visio::VShape getShapeByIndex(const visio::VShapes& shapes, int32_t index);
visio::VShape getShapeByID(const visio::VShapes& shapes, int32_t shapeID);
// The IDs of the shapes the selection reports, in its order: in one call where Visio
// answers it (2007 on), else shape by shape, each ID by idOf when given.
std::vector<int32_t> getSelectionShapeIDs(
    const visio::VSelection& selection,
    const std::function<int32_t(const visio::VShape&)>& idOf = nullptr);
// The group that holds the shape; empty for a shape directly on a page.
visio::VShape getParentShape(const visio::VShape& shape);
// Appends the IDs of the shape and of its sub-shapes, to any depth, the shape first.
void appendShapeTreeIDs(const visio::VShape& shape, std::vector<int32_t>& ids);
// True when `other` holds a shape whose ID differs from the shape's.
bool isOtherShape(const visio::VShape& shape, visio::VShape other);

std::string getShapeText(const visio::VShape& shape);
void setShapeText(const visio::VShape& shape, const std::string& text);
