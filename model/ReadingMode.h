// How a diagram model reads what it saves of a page from Visio.
#pragma once

// One by one, each cell as its shape is registered; or batched, the cells of every
// registered shape together once the page is read: a few calls for the whole page
// instead of some per cell. Both save the same formulas.
enum class ReadingMode { OneByOne, Batched };

// Whose formulas a model saves: every registered shape's (what the simulator shows and
// protects lies anywhere in the shapes), or only those of its elements' own shapes and
// text boxes (all that the checker paints).
enum class FormulaScope { EveryShape, ElementShapes };
