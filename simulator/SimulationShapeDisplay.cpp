#include "simulator/SimulationShapeDisplay.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "helpers/CellHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "model/CellAddressTable.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VCell.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VisioConstants.h"
#include "simulator/Marking.h"

namespace {

constexpr char kLockTextEdit[] = "LockTextEdit";
constexpr char kLineColor[] = "LineColor";
constexpr char kLineWeight[] = "LineWeight";
constexpr char kCharColor[] = "Char.Color";
constexpr char kProtected[] = "1";
constexpr char kUnprotected[] = "0";
// The colour a generated stack-place name is written in (black).
constexpr char kNameColour[] = "0";
constexpr char kStackPlacePrefix[] = "S";

constexpr CellAddress kLineColorCell{visio::visSectionObject, visio::visRowLine,
                                     visio::visLineColor};
constexpr CellAddress kLineWeightCell{visio::visSectionObject, visio::visRowLine,
                                      visio::visLineWeight};

bool isShapeID(int32_t shapeID) {
    return shapeID > GEGraphElement::UNSET;
}

CellAddress addressOf(const visio::VCell& cell) {
    return CellAddress{static_cast<uint16_t>(cell.Section()), static_cast<uint16_t>(cell.Row()),
                       static_cast<uint16_t>(cell.Column())};
}

FormulaBatchKey batchKey(int32_t shapeID, const CellAddress& address) {
    return FormulaBatchKey{shapeID, address.section, address.row, address.cell};
}

// The colour with its components always joined by commas, whatever the user's list
// separator: the formula is written in universal syntax.
std::string rgbFormula(uint32_t colour) {
    const uint32_t red = colour & 0xFF;
    const uint32_t green = (colour >> 8) & 0xFF;
    const uint32_t blue = (colour >> 16) & 0xFF;
    return "RGB(" + std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue) +
           ")";
}

// An empty box stands for no tokens; a cell always holds a number.
std::string textOfCount(int32_t count) {
    return count == 0 ? std::string() : std::to_string(count);
}

}  // namespace

SimulationShapeDisplay::SimulationShapeDisplay(const visio::VShapes& pageShapes, GEElementSet*,
                                               GEElementSet* places, GEElementSet*,
                                               const SavedFormulaIndex* savedFormulas)
    : pageShapes_(pageShapes), savedFormulas_(savedFormulas), places_(places) {}

SimulationShapeDisplay::~SimulationShapeDisplay() = default;

// --- Formats

void SimulationShapeDisplay::saveFormats(const CellAddressTable* writtenCells) {
    saveMarkingCarriers();
    nameStackPlaces();
    const CellAddressTable none;
    protectShapes(writtenCells ? *writtenCells : none, shapesOnPage());
}

void SimulationShapeDisplay::restoreFormats() {
    const std::vector<int32_t> onPage = shapesOnPage();
    FormulaBatchMap batch;
    enterSavedFormulas(batch, onPage);
    enterFormerCells(batch, onPage);
    setFormulasBatch(pageShapes_, std::move(batch));
    // Texts after the cells, so that no protection is left on the shapes they go into.
    restoreTexts(onPage);
    unnameStackPlaces();
    markingCells_.clear();
    markingTexts_.clear();
    markingsSaved_ = false;
}

void SimulationShapeDisplay::enterSavedFormulas(FormulaBatchMap& batch,
                                                const std::vector<int32_t>& onPage) const {
    if (!savedFormulas_) return;
    for (int32_t shapeID : onPage) {
        for (int32_t i = 0; i < savedFormulas_->getRecordCount(shapeID); ++i) {
            batch.emplace(batchKey(shapeID, savedFormulas_->getRecordAddress(shapeID, i)),
                          savedFormulas_->getRecordFormula(shapeID, i));
        }
    }
}

void SimulationShapeDisplay::enterFormerCells(FormulaBatchMap& batch,
                                              const std::vector<int32_t>& onPage) const {
    for (const FormerCell& former : markingCells_) {
        if (isOnPage(onPage, former.shapeID)) enter(batch, former);
    }
    for (const NamedStackPlace& named : namedStackPlaces_) {
        if (named.colourWritten && isOnPage(onPage, named.colour.shapeID)) {
            enter(batch, named.colour);
        }
    }
}

void SimulationShapeDisplay::protectShapes(const CellAddressTable& writtenCells,
                                           const std::vector<int32_t>& onPage) {
    FormulaBatchMap batch;
    for (int32_t shapeID : onPage) {
        if (!savedFormulas_ || savedFormulas_->getRecordCount(shapeID) == 0) continue;
        for (int32_t i = 0; i < writtenCells.getCount(); ++i) {
            batch.emplace(batchKey(shapeID, writtenCells.get(i)), kProtected);
        }
    }
    setFormulasBatch(pageShapes_, std::move(batch));
}

void SimulationShapeDisplay::restoreTexts(const std::vector<int32_t>& onPage) {
    for (const FormerText& former : markingTexts_) {
        if (isOnPage(onPage, former.shapeID)) {
            setShapeText(getShapeByID(pageShapes_, former.shapeID), former.text);
        }
    }
    for (const NamedStackPlace& named : namedStackPlaces_) {
        if (isOnPage(onPage, named.name.shapeID)) {
            setShapeText(getShapeByID(pageShapes_, named.name.shapeID), named.name.text);
        }
    }
}

std::vector<int32_t> SimulationShapeDisplay::shapesOnPage() const {
    std::vector<int32_t> ids;
    const int32_t count = pageShapes_.Count();
    for (int32_t i = 1; i <= count; ++i) appendShapeTreeIDs(getShapeByIndex(pageShapes_, i), ids);
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool SimulationShapeDisplay::isOnPage(const std::vector<int32_t>& onPage, int32_t shapeID) {
    return isShapeID(shapeID) && std::binary_search(onPage.begin(), onPage.end(), shapeID);
}

void SimulationShapeDisplay::enter(FormulaBatchMap& batch, const FormerCell& former) {
    batch.emplace(batchKey(former.shapeID, former.address), former.formula);
}

// --- Stack-place names

// The names go where the model read the identifier from, so that the recursion stack
// can name every stack place while the simulation runs.
void SimulationShapeDisplay::nameStackPlaces() {
    if (!places_) return;
    for (GEGraphElement* e = places_->getFirst(); e != places_->end(); e = places_->getNext()) {
        auto* place = static_cast<GEPlace*>(e);
        if (!place->isStackPlace() || !place->getIdentifier().empty()) continue;
        NamedStackPlace named;
        named.place = place;
        const int32_t textShapeID = place->getIdentifierID();
        named.colourWritten = isShapeID(textShapeID);
        named.name.shapeID = named.colourWritten ? textShapeID : place->getID();
        const visio::VShape carrier = getShapeByID(pageShapes_, named.name.shapeID);
        named.name.text = carrier.Text();
        if (named.colourWritten) {
            const visio::VCell colour = carrier.CellsU(kCharColor);
            named.colourWritten = !colour.isEmpty();
            named.colour = {named.name.shapeID, addressOf(colour), formulaToRestore(colour)};
        }
        namedStackPlaces_.push_back(std::move(named));
    }
    for (size_t i = 0; i < namedStackPlaces_.size(); ++i) {
        nameStackPlace(namedStackPlaces_[i], static_cast<int32_t>(i + 1));
    }
}

void SimulationShapeDisplay::nameStackPlace(NamedStackPlace& named, int32_t number) {
    const std::string name = kStackPlacePrefix + std::to_string(number);
    named.place->setIdentifier(name);
    const visio::VShape carrier = getShapeByID(pageShapes_, named.name.shapeID);
    if (named.colourWritten) setCellFormula(carrier, kCharColor, kNameColour);
    setShapeText(carrier, name);
}

void SimulationShapeDisplay::unnameStackPlaces() {
    for (NamedStackPlace& named : namedStackPlaces_) named.place->setIdentifier(std::string());
    namedStackPlaces_.clear();
}

// --- Marking

// What the carriers hold before the display first writes a count: the initial marking
// as the user drew it ("0" in a box, a cell inherited from the master), which a count
// written back would not restore.
void SimulationShapeDisplay::saveMarkingCarriers() {
    if (markingsSaved_ || !places_) return;
    markingsSaved_ = true;
    for (GEGraphElement* e = places_->getFirst(); e != places_->end(); e = places_->getNext()) {
        const auto* place = static_cast<const GEPlace*>(e);
        if (!place->isStackPlace()) saveMarkingCarrier(*place);
    }
}

void SimulationShapeDisplay::saveMarkingCarrier(const GEPlace& place) {
    const std::string cellName = place.getMarkingCellName();
    if (cellName.empty()) {
        const int32_t shapeID = place.getMarkingShapeID();
        if (!isShapeID(shapeID)) return;
        markingTexts_.push_back({shapeID, getShapeByID(pageShapes_, shapeID).Text()});
        return;
    }
    const int32_t shapeID = place.getMarkingCellShapeID();
    if (!isShapeID(shapeID)) return;
    const visio::VCell cell = getShapeByID(pageShapes_, shapeID).CellsU(cellName);
    if (cell.isEmpty()) return;
    markingCells_.push_back({shapeID, addressOf(cell), formulaToRestore(cell)});
}

void SimulationShapeDisplay::showMarking(const Marking& marking) {
    for (int32_t i = 0; i < marking.placeCount(); ++i) {
        const GEPlace* place = marking.placeAt(i);
        if (place->isStackPlace()) continue;
        const std::string cellName = place->getMarkingCellName();
        if (cellName.empty()) {
            showInTextBox(place->getMarkingShapeID(), marking.tokensAt(i));
        } else {
            showInCell(place->getMarkingCellShapeID(), cellName, marking.tokensAt(i));
        }
    }
}

// The box is protected like every shape of the page; it is opened for the one write.
void SimulationShapeDisplay::showInTextBox(int32_t shapeID, int32_t count) const {
    if (!isShapeID(shapeID)) return;
    const visio::VShape box = getShapeByID(pageShapes_, shapeID);
    setCellFormula(box, kLockTextEdit, kUnprotected);
    setShapeText(box, textOfCount(count));
    setCellFormula(box, kLockTextEdit, kProtected);
}

void SimulationShapeDisplay::showInCell(int32_t shapeID, const std::string& cellName,
                                        int32_t count) const {
    if (!isShapeID(shapeID)) return;
    setCellFormula(getShapeByID(pageShapes_, shapeID), cellName, std::to_string(count));
}

// --- Highlights

void SimulationShapeDisplay::highlightConflictPlaces(const std::vector<GEPlace*>& places,
                                                     uint32_t colour) {
    const std::string formula = rgbFormula(colour);
    for (GEPlace* place : places) highlightElement(place, formula);
}

void SimulationShapeDisplay::highlightEnabledTransitions(
    const std::vector<GEGraphElement*>& transitions, uint32_t colour) {
    const std::string formula = rgbFormula(colour);
    for (GEGraphElement* transition : transitions) highlightElement(transition, formula);
}

void SimulationShapeDisplay::highlightElement(GEGraphElement* element, const std::string& formula) {
    if (!element) return;
    highlighted_.push_back(element);
    if (!isShapeID(element->getID())) return;
    setCellFormula(getShapeByID(pageShapes_, element->getID()), kLineColor, formula);
}

// An element coloured twice is put back once.
void SimulationShapeDisplay::clearHighlight() {
    std::unordered_set<int32_t> restored;
    for (const GEGraphElement* element : highlighted_) {
        if (restored.insert(element->getID()).second) restoreOutline(element->getID());
    }
    highlighted_.clear();
}

void SimulationShapeDisplay::restoreOutline(int32_t shapeID) const {
    if (!savedFormulas_ || !isShapeID(shapeID)) return;
    const int32_t records = savedFormulas_->getRecordCount(shapeID);
    if (records == 0) return;
    const visio::VShape shape = getShapeByID(pageShapes_, shapeID);
    for (int32_t i = 0; i < records; ++i) {
        const CellAddress address = savedFormulas_->getRecordAddress(shapeID, i);
        if (address == kLineColorCell) {
            setCellFormula(shape, kLineColor, savedFormulas_->getRecordFormula(shapeID, i));
        } else if (address == kLineWeightCell) {
            setCellFormula(shape, kLineWeight, savedFormulas_->getRecordFormula(shapeID, i));
        }
    }
}
