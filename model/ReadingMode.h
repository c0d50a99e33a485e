// How a diagram model reads what it saves of a page from Visio.
#pragma once

// One by one, each cell as its shape is registered; or batched, the cells of every
// registered shape together once the page is read: a few calls for the whole page
// instead of some per cell. Both save the same formulas.
enum class ReadingMode { OneByOne, Batched };

// Whose formulas a model saves: every registered shape's; only those of its elements' own
// shapes and text boxes (all that the checker paints); or only those of the net's places,
// transitions and arcs with all their text boxes, name boxes included, where the first
// table's cells are saved for all of them and the other tables' for the places' and
// transitions' own shapes (the simulator protects the net and outlines its nodes).
enum class FormulaScope { EveryShape, ElementShapes, NetShapes };
