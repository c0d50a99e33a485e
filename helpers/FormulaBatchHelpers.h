// Writing many formulas into a page's shapes with one call into Visio.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/visio/VPage.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

// Shape ID, section, row, cell; ordered element by element.
using FormulaBatchKey = std::array<int32_t, 4>;
using FormulaBatchMap = std::map<FormulaBatchKey, std::string>;

// Whether the page's batches can name the shape: they take signed 16-bit IDs (0 is the
// page sheet). The cells of any other shape go in batches of that shape's own.
bool pageBatchNamesShape(int32_t shapeID);

// The shape of an ID, as the caller knows it (empty when it knows none).
using ShapeOfID = std::function<visio::VShape(int32_t)>;
// The shapes a caller holds, by ID; shapeIn looks them up (empty for any other ID), as
// long as the map lives.
using ShapesByID = std::unordered_map<int32_t, visio::VShape>;
ShapeOfID shapeIn(const ShapesByID& shapes);

// What a batch write does to a cell that GUARD protects: overwrite it, as a forced write
// does, or leave it as it is, as a plain write does.
enum class GuardedCells { Overwrite, Keep };

// Writes every formula of the batch, in key order, through one batch write on the page
// that the shapes belong to; guarded cells are overwritten unless told otherwise. An
// empty batch still makes the call. What the page's batch cannot carry goes apart,
// written the same way: the formulas of a shape whose ID is beyond the batch's signed 16
// bits in one batch write on that shape, and a formula longer than a batch takes on its
// own, whole. Those shapes are looked up by ID unless shapeOf knows them.
// A section, row or cell beyond 16 bits names no cell of Visio's and is not written.
void setFormulasBatch(const visio::VShapes& shapes, FormulaBatchMap batch,
                      const ShapeOfID& shapeOf = nullptr,
                      GuardedCells guarded = GuardedCells::Overwrite);

// The formulas of the cells (shape ID, section, row, cell), exactly as Visio holds them,
// in the order given; every cell must exist. The cells of the shapes the page's batch
// can name come in one read on the page, those of others in one read per shape, which
// shapeOf gives. Should a read answer nothing (a cell was gone after all), its cells are
// read one by one, so that every cell gets what a single read would give.
std::vector<std::string> getFormulasBatch(const visio::VPage& page,
                                          const std::vector<FormulaBatchKey>& cells,
                                          const ShapeOfID& shapeOf);
// The cells of `written` that no longer hold the formula written there, each with what it
// holds now: the user typed over them since, and what the user typed is not to be put
// back over. Read as getFormulasBatch reads.
FormulaBatchMap cellsTypedOver(const visio::VPage& page, const FormulaBatchMap& written,
                               const ShapeOfID& shapeOf);
// The values of the cells in internal units, batched the same way; a cell the shape
// does not have reads as 0, as ResultIU of no cell does.
std::vector<double> getResultsBatch(const visio::VPage& page,
                                    const std::vector<FormulaBatchKey>& cells,
                                    const ShapeOfID& shapeOf);
