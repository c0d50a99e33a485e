// Shows a running simulation on the simulated page itself: the token count of every
// place in its shape, coloured outlines for conflict places and enabled transitions,
// every shape protected against editing, generated names for unnamed stack places; and
// puts all of it back when the simulation stops or the document is saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "model/CellAddress.h"
#include "platform/visio/VShapes.h"

class CellAddressTable;
class GEElementSet;
class GEGraphElement;
class GEPlace;
class Marking;
class SavedFormulaIndex;

// The display changes the document only through cell formulas and shape texts. What the
// page held before comes from two sources: the formulas of the simulator's cells that
// the diagram model saved while it read the page, and what the display itself reads
// before it first writes a place's marking or a stack place's name (texts, and cells
// that are in none of the simulator's tables). restoreFormats writes all of it back,
// so a page shown and restored is the page as it was, inherited cells included.
//
// A shape whose formulas the model did not save (one added after the page was read) is
// never protected: nothing could take the protection off again.
class SimulationShapeDisplay {
public:
    // Only the collection is the display's; the model's place set and its index must
    // outlive the display. Showing needs neither the transitions nor the arcs: the
    // elements to colour come with each call.
    SimulationShapeDisplay(const visio::VShapes& pageShapes, GEElementSet* transitions,
                           GEElementSet* places, GEElementSet* arcs,
                           const SavedFormulaIndex* savedFormulas);
    ~SimulationShapeDisplay();
    SimulationShapeDisplay(const SimulationShapeDisplay&) = delete;
    SimulationShapeDisplay& operator=(const SimulationShapeDisplay&) = delete;

    // Names the unnamed stack places "S1", "S2", ... in place-set order, then writes "1"
    // into every cell of the table on every shape of the page, in one batch.
    void saveFormats(const CellAddressTable* writtenCells);
    // Writes back every saved formula of every shape of the page in one batch, then the
    // texts, and takes the generated names away: the next saveFormats numbers from 1.
    void restoreFormats();
    // The count of every place but the stack places: in its marking cell, or in its
    // marking text box, where 0 shows as the empty text.
    void showMarking(const Marking& marking);
    // The colour is a COLORREF: red in the low byte, then green, then blue.
    void highlightConflictPlaces(const std::vector<GEPlace*>& places, uint32_t colour);
    void highlightEnabledTransitions(const std::vector<GEGraphElement*>& transitions,
                                     uint32_t colour);
    // Puts back the line colour and weight of every shape highlighted since the last
    // clear, cell by cell.
    void clearHighlight();

private:
    // What one of the display's own writes replaced, to be written back on restore.
    struct FormerCell {
        int32_t shapeID = 0;
        CellAddress address;
        std::string formula;
    };
    struct FormerText {
        int32_t shapeID = 0;
        std::string text;
    };
    struct NamedStackPlace {
        GEPlace* place = nullptr;
        FormerText name;
        // Only where the name goes into an identifier text shape.
        bool colourWritten = false;
        FormerCell colour;
    };

    void nameStackPlaces();
    void nameStackPlace(NamedStackPlace& named, int32_t number);
    void unnameStackPlaces();
    void saveMarkingCarriers();
    void saveMarkingCarrier(const GEPlace& place);
    void enterSavedFormulas(FormulaBatchMap& batch, const std::vector<int32_t>& onPage) const;
    void enterFormerCells(FormulaBatchMap& batch, const std::vector<int32_t>& onPage) const;
    void restoreTexts(const std::vector<int32_t>& onPage);
    void protectShapes(const CellAddressTable& writtenCells, const std::vector<int32_t>& onPage);
    void showInTextBox(int32_t shapeID, int32_t count) const;
    void showInCell(int32_t shapeID, const std::string& cellName, int32_t count) const;
    void highlightElement(GEGraphElement* element, const std::string& formula);
    void restoreOutline(int32_t shapeID) const;
    // The shape IDs of the page, every shape followed by its sub-shapes, sorted.
    std::vector<int32_t> shapesOnPage() const;
    static bool isOnPage(const std::vector<int32_t>& onPage, int32_t shapeID);
    static void enter(FormulaBatchMap& batch, const FormerCell& former);

    visio::VShapes pageShapes_;
    const SavedFormulaIndex* savedFormulas_;
    GEElementSet* places_;
    // Places and transitions in the order they were coloured; one may stand twice.
    std::vector<GEGraphElement*> highlighted_;
    std::vector<NamedStackPlace> namedStackPlaces_;
    // What the marking cells and marking text boxes held before the first showMarking.
    std::vector<FormerCell> markingCells_;
    std::vector<FormerText> markingTexts_;
    bool markingsSaved_ = false;
};
