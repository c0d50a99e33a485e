// Shows a running simulation on the simulated page itself: the token count of every
// place in its shape, coloured outlines for conflict places and enabled transitions,
// every shape of the page protected against editing, generated names for
// unnamed stack places; and puts all of it back when the simulation stops or the
// document is saved.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
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
// page held before comes from the diagram model: the formulas of the simulator's cells
// that it saved while it read the page, and the texts of the marking boxes as reading
// found them (reading never writes them); and from what the display itself reads before
// it first writes a place's marking cell or a stack place's name.
// restoreFormats writes all of it back, so a page shown and restored is the page as it
// was, inherited cells included.
//
// Inside Visio every call crosses COM, so a step writes only what changed since the last
// one, and in batches: the marking cells, the outlines and the text boxes' LockTextEdit
// in one batch write (and LockTextEdit again after the texts), then the text of each box
// whose count changed. One by one, kept as the reference the batched display is compared
// with, writes every place and every outline cell by cell as the display always did; both
// leave the page the same after every step.
//
// A shape whose formulas the model did not save (one added after the page was read) is
// never protected: nothing could take the protection off again.
class SimulationShapeDisplay {
public:
    enum class Writing { Batched, OneByOne };

    // Elements whose outlines take one colour, a COLORREF: red in the low byte, then
    // green, then blue.
    struct OutlineGroup {
        std::vector<GEGraphElement*> elements;
        uint32_t colour = 0;
    };
    // What one step colours, in order: an element in two groups takes the later colour.
    using Outlines = std::vector<OutlineGroup>;

    // Only the collection is the display's; the model's place set and its index must
    // outlive the display. Showing needs neither the transitions nor the arcs: the
    // elements to colour come with each call.
    SimulationShapeDisplay(const visio::VShapes& pageShapes, GEElementSet* transitions,
                           GEElementSet* places, GEElementSet* arcs,
                           SavedFormulaIndex* savedFormulas, Writing writing = Writing::Batched);
    ~SimulationShapeDisplay();
    SimulationShapeDisplay(const SimulationShapeDisplay&) = delete;
    SimulationShapeDisplay& operator=(const SimulationShapeDisplay&) = delete;

    // Names the unnamed stack places "S1", "S2", ... in place-set order, then writes "1"
    // into every cell of the table on every saved shape of the page, in one batch.
    void saveFormats(const CellAddressTable* writtenCells);
    // Writes back the saved formula of every cell of the page that still shows what the
    // display wrote there, in one batch, then the texts, and takes the generated names
    // away: the next saveFormats numbers from 1. A cell the user typed over keeps what the
    // user typed, which is what goes back from then on.
    void restoreFormats();
    // Shows the initial marking, if any, and restores the formats, for a save or the end
    // of the run; a marking box the user typed into during the run keeps the user's text.
    void takeRunOff(const Marking* initial);
    // The same for the cells of these shapes (by ID) alone, which are about to leave the
    // page.
    void putBack(const std::vector<int32_t>& shapeIDs);
    // The count of every place but the stack places: in its marking cell, or in its
    // marking text box, where 0 shows as the empty text.
    void showMarking(const Marking& marking);
    // Colours the outlines given, and puts back those coloured before and not now.
    void showOutlines(const Outlines& outlines);
    // Colours these outlines too.
    void highlightConflictPlaces(const std::vector<GEPlace*>& places, uint32_t colour);
    void highlightEnabledTransitions(const std::vector<GEGraphElement*>& transitions,
                                     uint32_t colour);
    // Puts back the line colour and weight of every shape highlighted since the last
    // clear.
    void clearHighlight();

    // What the user had beneath what the display shows in the shape (by ID): the saved
    // cells it shows something in, a marking cell it wrote a count into and a stack
    // place's name colour, each with the user's formula and what the display wrote there;
    // and a marking box's or a stack place's own text.
    struct FormerFormula {
        CellAddress address;
        std::string formula;
        std::string shown;
    };
    std::vector<FormerFormula> formerCells(int32_t shapeID) const;
    std::optional<std::string> formerText(int32_t shapeID) const;

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
    // Where a place shows its count: a marking cell or a marking text box, what it held
    // before the display first wrote it, and what it shows now (nothing when that is not
    // known: an inherited cell is written at the first count, as always).
    struct MarkingCarrier {
        bool inCell = false;
        std::string cellName;
        bool located = false;
        // The cell's shape and address and its formula, or the box's shape and its text.
        FormerCell former;
        std::string formerText;
        std::optional<std::string> shown;
        bool written = false;
        // The box holds what the user typed over the count, which stays until the run
        // is taken off.
        bool typedOver = false;
    };
    // An outline the display coloured: the element and the formula its line colour got.
    struct Outline {
        GEGraphElement* element = nullptr;
        std::string formula;
    };
    using OutlineMap = std::unordered_map<int32_t, Outline>;

    void nameStackPlaces();
    void nameStackPlace(NamedStackPlace& named, int32_t number);
    void unnameStackPlaces();
    void saveMarkingCarriers();
    void locateMarkingCells(std::vector<MarkingCarrier*>& cells);
    void enterHeldCells(FormulaBatchMap& written, FormulaBatchMap& batch,
                        const std::vector<int32_t>& shapeIDs) const;
    // What the display wrote into the saved cell and shows there now; nothing where it
    // shows nothing.
    std::optional<std::string> shownIn(int32_t shapeID, const CellAddress& cell) const;
    void enterFormerCells(FormulaBatchMap& written, FormulaBatchMap& batch) const;
    // Takes the cells that no longer hold what was written out of the batch.
    void keepWhatWasTypedOver(const FormulaBatchMap& written, FormulaBatchMap& batch);
    void takeUserFormula(const FormulaBatchKey& key, std::string formula);
    const visio::VPage& page() const;
    void restoreTexts();
    bool showsOtherText(const MarkingCarrier& carrier) const;
    void keepTypedTexts();
    void forgetShownState();
    void protectShapes(const CellAddressTable& writtenCells);
    void showMarkingBatched(const Marking& marking);
    void showMarkingOneByOne(const Marking& marking);
    void showInTextBox(int32_t shapeID, const std::string& text) const;
    void showInCell(int32_t shapeID, const std::string& cellName, const std::string& count) const;
    void showOutlinesBatched(OutlineMap wanted);
    void showOutlinesOneByOne(const Outlines& outlines);
    void enterOutline(FormulaBatchMap& batch, const Outline& outline, int32_t shapeID) const;
    void enterSavedOutline(FormulaBatchMap& written, FormulaBatchMap& batch, int32_t shapeID,
                           const Outline& outline) const;
    static void addOutlines(OutlineMap& wanted, const OutlineGroup& group);
    void highlightElement(GEGraphElement* element, const std::string& formula);
    void restoreOutline(int32_t shapeID) const;
    void writeBatch(FormulaBatchMap batch, GuardedCells guarded) const;
    visio::VShape shapeOfID(int32_t shapeID) const;
    // The saved shapes that are on the page: all of them unless one is gone, which one
    // batch read tells; then the page is walked for them.
    std::vector<int32_t> savedShapesOnPage();
    bool allOnPage(const std::vector<int32_t>& shapeIDs) const;
    // The shape IDs of the page, every shape followed by its sub-shapes, sorted.
    std::vector<int32_t> shapesOnPage() const;
    bool isOnPage(int32_t shapeID) const;
    static void enter(FormulaBatchMap& batch, const FormerCell& former);

    visio::VShapes pageShapes_;
    mutable visio::VPage page_;
    SavedFormulaIndex* savedFormulas_;
    GEElementSet* places_;
    Writing writing_;
    // One by one: places and transitions in the order they were coloured; one may
    // stand twice.
    std::vector<GEGraphElement*> highlighted_;
    // The outlines coloured now, by shape ID.
    OutlineMap shownOutlines_;
    // The cells the protection wrote into every saved shape, while it shows.
    std::vector<CellAddress> protectedCells_;
    std::vector<NamedStackPlace> namedStackPlaces_;
    std::unordered_map<const GEPlace*, MarkingCarrier> carriers_;
    bool markingsSaved_ = false;
    // The shapes on the page as the last restore walked them (sorted); nothing while
    // every saved shape was found there.
    std::optional<std::vector<int32_t>> pageWalk_;
};
