// Writing many formulas into a page's shapes with one call into Visio.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "platform/visio/VShapes.h"

// Shape ID, section, row, cell; ordered element by element.
using FormulaBatchKey = std::array<int32_t, 4>;
using FormulaBatchMap = std::map<FormulaBatchKey, std::string>;

// Writes every formula of the batch, in key order, through one batch write on the page
// that the shapes belong to; guarded cells are overwritten. An empty batch still makes
// the call. What the batch cannot carry goes on its own, forced as well: a shape ID
// beyond 16 bits, and a formula longer than the batch takes, which is written whole.
// A section, row or cell beyond 16 bits names no cell of Visio's and is not written.
void setFormulasBatch(const visio::VShapes& shapes, FormulaBatchMap batch);
