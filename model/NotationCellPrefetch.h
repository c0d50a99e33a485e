// Reads ahead, in a few batches, the notation cells that reading a page will ask for.
#pragma once

#include <string>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "helpers/ShapeFacts.h"

// Before the page's shapes of one kind are read one after another: the element type and
// the stencil version of each, then the cells its element type requires (and the prompt
// of an arc's weight box). A cell's row is found by its name, one call each, which also
// tells a missing cell; the formulas and values come in one batch read per kind of
// answer. Reading then finds them among the shape's facts; what it asks beyond them it
// reads as before.
class NotationCellPrefetch {
public:
    explicit NotationCellPrefetch(std::string expectedType)
        : expectedType_(std::move(expectedType)) {}

    void prefetch(std::vector<ShapeFacts>& shapes) const;
    // The drawing-type cell of each shape, for the scan of a page's kinds. For reading
    // after the scan, a shape that the page's batch cannot name (it is read on its own,
    // one call each time) that has the cell gets the type cells read with it.
    static void prefetchDrawingTypes(std::vector<ShapeFacts>& shapes, bool forReading = false);

private:
    struct Wanted {
        ShapeFacts* shape;
        std::string name;
        bool formula;  // the formula, else the value
    };
    // A wanted cell the shape has, where it is.
    struct Found {
        const Wanted* wanted;
        FormulaBatchKey key;
    };

    void typeCells(std::vector<ShapeFacts*>& shapes) const;
    void requiredCells(std::vector<ShapeFacts*>& shapes) const;
    static void fetch(const std::vector<Wanted>& wanted);
    // Finds the rows of the wanted cells (a missing one is known missing from then on).
    static std::vector<Found> locate(const std::vector<Wanted>& wanted);
    static void read(const std::vector<Found>& found);

    std::string expectedType_;
};
