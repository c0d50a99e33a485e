// How a diagram model reads what it saves of a page from Visio.
#pragma once

// One by one, each cell as its shape is registered; or batched, the cells of every
// registered shape together once the page is read: a few calls for the whole page
// instead of some per cell. Both save the same formulas.
enum class ReadingMode { OneByOne, Batched };

// Whose formulas a model saves: every registered shape's; only those of its elements' own
// shapes and text boxes (all that the checker paints); or, for a simulated page, the
// first table's cells of every shape of the page, sub-shapes to any depth, and the other
// tables' of the places' and transitions' own shapes only (the simulator protects every
// shape and outlines only the net's nodes).
enum class FormulaScope { EveryShape, ElementShapes, SimulatedPage };
