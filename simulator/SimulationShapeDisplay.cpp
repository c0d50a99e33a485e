#include "simulator/SimulationShapeDisplay.h"

#include <algorithm>
#include <optional>
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
#include "platform/visio/VPage.h"
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
constexpr char kUserPrefix[] = "User.";
constexpr int16_t kLocally = 1;
constexpr int16_t kGetFloats = 0;

constexpr CellAddress kLineColorCell{visio::visSectionObject, visio::visRowLine,
                                     visio::visLineColor};
constexpr CellAddress kLineWeightCell{visio::visSectionObject, visio::visRowLine,
                                      visio::visLineWeight};
constexpr CellAddress kLockTextEditCell{visio::visSectionObject, visio::visRowLock,
                                        visio::visLockTextEdit};
// A cell every shape has, for asking whether a shape is still there.
constexpr CellAddress kLockWidthCell{visio::visSectionObject, visio::visRowLock,
                                     visio::visLockWidth};

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
template <class Count>
std::string textOfCount(Count count) {
    return count == 0 ? std::string() : std::to_string(count);
}

bool hasUserPrefix(const std::string& cellName) {
    return cellName.compare(0, sizeof kUserPrefix - 1, kUserPrefix) == 0;
}

}  // namespace

SimulationShapeDisplay::SimulationShapeDisplay(const visio::VShapes& pageShapes, GEElementSet*,
                                               GEElementSet* places, GEElementSet*,
                                               SavedFormulaIndex* savedFormulas, Writing writing)
    : pageShapes_(pageShapes), savedFormulas_(savedFormulas), places_(places), writing_(writing) {}

SimulationShapeDisplay::~SimulationShapeDisplay() = default;

// --- Formats

void SimulationShapeDisplay::saveFormats(const CellAddressTable* writtenCells) {
    saveMarkingCarriers();
    nameStackPlaces();
    const CellAddressTable none;
    protectShapes(writtenCells ? *writtenCells : none);
}

void SimulationShapeDisplay::takeRunOff(const Marking* initial) {
    keepTypedTexts();
    if (initial) showMarking(*initial);
    restoreFormats();
}

bool SimulationShapeDisplay::showsOtherText(const MarkingCarrier& carrier) const {
    if (carrier.inCell || !isOnPage(carrier.former.shapeID)) return false;
    return carrier.written || carrier.shown != carrier.formerText;
}

// A box that no longer shows what the display left there was typed into during the run:
// the user's text stays, and is what goes back from then on. The user types only into a
// box the user unlocked (the display locks them all), so only those are read; a box still
// locked may show another tool's own text (a prompt), which is not the user's.
void SimulationShapeDisplay::keepTypedTexts() {
    FormulaBatchMap locks;
    for (const auto& [place, carrier] : carriers_) {
        if (showsOtherText(carrier) && carrier.shown)
            locks.emplace(batchKey(carrier.former.shapeID, kLockTextEditCell), kProtected);
    }
    if (locks.empty()) return;
    const FormulaBatchMap unlocked =
        cellsTypedOver(page(), locks, [this](int32_t id) { return shapeOfID(id); });
    for (auto& [place, carrier] : carriers_) {
        if (!showsOtherText(carrier) || !carrier.shown ||
            unlocked.count(batchKey(carrier.former.shapeID, kLockTextEditCell)) == 0)
            continue;
        std::string held = shapeOfID(carrier.former.shapeID).Text();
        if (held == *carrier.shown) continue;
        carrier.formerText = std::move(held);
        carrier.typedOver = true;
    }
}

// What the user typed into a cell while the run showed there is the user's: it stays, and
// only the cells that still show what the display wrote get the saved formulas back.
void SimulationShapeDisplay::restoreFormats() {
    FormulaBatchMap written;
    FormulaBatchMap batch;
    enterHeldCells(written, batch, savedShapesOnPage());
    enterFormerCells(written, batch);
    keepWhatWasTypedOver(written, batch);
    writeBatch(std::move(batch), GuardedCells::Overwrite);
    // Texts after the cells, so that no protection is left on the shapes they go into.
    restoreTexts();
    unnameStackPlaces();
    forgetShownState();
}

void SimulationShapeDisplay::putBack(const std::vector<int32_t>& shapeIDs) {
    FormulaBatchMap written;
    FormulaBatchMap batch;
    enterHeldCells(written, batch, shapeIDs);
    keepWhatWasTypedOver(written, batch);
    writeBatch(std::move(batch), GuardedCells::Overwrite);
}

// The saved cells the display shows something in: what it wrote there, and what goes back.
// A line weight, and the colour of an outline shown in its own colour, were never written.
void SimulationShapeDisplay::enterHeldCells(FormulaBatchMap& written, FormulaBatchMap& batch,
                                            const std::vector<int32_t>& shapeIDs) const {
    if (!savedFormulas_) return;
    for (int32_t shapeID : shapeIDs) {
        for (SavedFormulaIndex::SavedCell& cell : savedFormulas_->savedCells(shapeID)) {
            std::optional<std::string> shown = shownIn(shapeID, cell.address);
            if (!shown) continue;
            written.emplace(batchKey(shapeID, cell.address), std::move(*shown));
            batch.emplace(batchKey(shapeID, cell.address), std::move(cell.formula));
        }
    }
}

std::optional<std::string> SimulationShapeDisplay::shownIn(int32_t shapeID,
                                                           const CellAddress& cell) const {
    if (std::find(protectedCells_.begin(), protectedCells_.end(), cell) != protectedCells_.end())
        return std::string(kProtected);
    if (!(cell == kLineColorCell)) return std::nullopt;
    auto outline = shownOutlines_.find(shapeID);
    if (outline == shownOutlines_.end()) return std::nullopt;
    return outline->second.formula;
}

void SimulationShapeDisplay::enterFormerCells(FormulaBatchMap& written,
                                              FormulaBatchMap& batch) const {
    for (const auto& [place, carrier] : carriers_) {
        if (carrier.inCell && carrier.written && carrier.shown &&
            isOnPage(carrier.former.shapeID)) {
            written.emplace(batchKey(carrier.former.shapeID, carrier.former.address),
                            *carrier.shown);
            enter(batch, carrier.former);
        }
    }
    for (const NamedStackPlace& named : namedStackPlaces_) {
        if (named.colourWritten && isOnPage(named.colour.shapeID)) {
            written.emplace(batchKey(named.colour.shapeID, named.colour.address), kNameColour);
            enter(batch, named.colour);
        }
    }
}

// A cell typed over is left as the user typed it, and what the user typed is what goes
// back from then on, should the display show there again (after a save).
void SimulationShapeDisplay::keepWhatWasTypedOver(const FormulaBatchMap& written,
                                                  FormulaBatchMap& batch) {
    if (written.empty()) return;
    FormulaBatchMap typed =
        cellsTypedOver(page(), written, [this](int32_t id) { return shapeOfID(id); });
    for (auto& [key, formula] : typed) {
        batch.erase(key);
        takeUserFormula(key, std::move(formula));
    }
}

void SimulationShapeDisplay::takeUserFormula(const FormulaBatchKey& key, std::string formula) {
    const CellAddress address{static_cast<uint16_t>(key[1]), static_cast<uint16_t>(key[2]),
                              static_cast<uint16_t>(key[3])};
    for (auto& [place, carrier] : carriers_) {
        if (carrier.inCell && carrier.former.shapeID == key[0] &&
            carrier.former.address == address) {
            carrier.former.formula = std::move(formula);
            return;
        }
    }
    for (NamedStackPlace& named : namedStackPlaces_) {
        if (named.colourWritten && named.colour.shapeID == key[0] &&
            named.colour.address == address) {
            named.colour.formula = std::move(formula);
            return;
        }
    }
    if (savedFormulas_) savedFormulas_->setFormula(key[0], address, std::move(formula));
}

const visio::VPage& SimulationShapeDisplay::page() const {
    if (page_.isEmpty()) page_ = pageShapes_.ContainingPage();
    return page_;
}

// A box shows another text than the user's where the display wrote a count, or where it
// showed another text than the user's when reading took it.
void SimulationShapeDisplay::restoreTexts() {
    for (auto& [place, carrier] : carriers_) {
        if (!showsOtherText(carrier) || carrier.typedOver) continue;
        setShapeText(shapeOfID(carrier.former.shapeID), carrier.formerText);
    }
    for (const NamedStackPlace& named : namedStackPlaces_) {
        if (isOnPage(named.name.shapeID)) {
            setShapeText(shapeOfID(named.name.shapeID), named.name.text);
        }
    }
}

// The page shows what it held before: the outlines as saved, the carriers as the user
// left them.
void SimulationShapeDisplay::forgetShownState() {
    shownOutlines_.clear();
    protectedCells_.clear();
    for (auto& [place, carrier] : carriers_) {
        if (!carrier.inCell) {
            carrier.shown = carrier.formerText;
            carrier.written = false;
            carrier.typedOver = false;
            continue;
        }
        if (!carrier.written) continue;
        carrier.written = false;
        // A cell written back empty inherits again: its first count is written.
        carrier.shown.reset();
        if (!carrier.former.formula.empty()) carrier.shown = carrier.former.formula;
    }
}

void SimulationShapeDisplay::protectShapes(const CellAddressTable& writtenCells) {
    protectedCells_.clear();
    for (int32_t i = 0; i < writtenCells.getCount(); ++i)
        protectedCells_.push_back(writtenCells.get(i));
    FormulaBatchMap batch;
    if (savedFormulas_) {
        for (int32_t shapeID : savedFormulas_->savedShapeIDs()) {
            if (savedFormulas_->getRecordCount(shapeID) == 0 || !isOnPage(shapeID)) continue;
            for (int32_t i = 0; i < writtenCells.getCount(); ++i) {
                batch.emplace(batchKey(shapeID, writtenCells.get(i)), kProtected);
            }
        }
    }
    writeBatch(std::move(batch), GuardedCells::Overwrite);
}

void SimulationShapeDisplay::writeBatch(FormulaBatchMap batch, GuardedCells guarded) const {
    setFormulasBatch(
        pageShapes_, std::move(batch),
        [this](int32_t id) {
            return savedFormulas_ ? savedFormulas_->savedShape(id) : visio::VShape();
        },
        guarded);
}

// As reading found it, without asking Visio; looked up on the page otherwise.
visio::VShape SimulationShapeDisplay::shapeOfID(int32_t shapeID) const {
    const visio::VShape saved =
        savedFormulas_ ? savedFormulas_->savedShape(shapeID) : visio::VShape();
    return saved.isEmpty() ? getShapeByID(pageShapes_, shapeID) : saved;
}

std::vector<SimulationShapeDisplay::FormerFormula> SimulationShapeDisplay::formerCells(
    int32_t shapeID) const {
    FormulaBatchMap written;
    FormulaBatchMap former;
    enterHeldCells(written, former, {shapeID});
    std::vector<FormerFormula> cells;
    for (auto& [key, formula] : former) {
        cells.push_back({{static_cast<uint16_t>(key[1]), static_cast<uint16_t>(key[2]),
                          static_cast<uint16_t>(key[3])},
                         std::move(formula),
                         written[key]});
    }
    for (const auto& [place, carrier] : carriers_) {
        if (carrier.inCell && carrier.written && carrier.shown && carrier.former.shapeID == shapeID)
            cells.push_back({carrier.former.address, carrier.former.formula, *carrier.shown});
    }
    for (const NamedStackPlace& named : namedStackPlaces_) {
        if (named.colourWritten && named.colour.shapeID == shapeID)
            cells.push_back({named.colour.address, named.colour.formula, kNameColour});
    }
    return cells;
}

std::optional<std::string> SimulationShapeDisplay::formerText(int32_t shapeID) const {
    for (const auto& [place, carrier] : carriers_) {
        if (!carrier.inCell && carrier.located && carrier.former.shapeID == shapeID)
            return carrier.formerText;
    }
    for (const NamedStackPlace& named : namedStackPlaces_) {
        if (named.name.shapeID == shapeID) return named.name.text;
    }
    return std::nullopt;
}

std::vector<int32_t> SimulationShapeDisplay::savedShapesOnPage() {
    std::vector<int32_t> saved =
        savedFormulas_ ? savedFormulas_->savedShapeIDs() : std::vector<int32_t>();
    if (allOnPage(saved)) {
        pageWalk_.reset();
        return saved;
    }
    pageWalk_ = shapesOnPage();
    saved.erase(
        std::remove_if(saved.begin(), saved.end(), [this](int32_t id) { return !isOnPage(id); }),
        saved.end());
    return saved;
}

// A batch read of a cell each of them has answers nothing when one is gone; a shape the
// page's batch cannot name is looked up.
bool SimulationShapeDisplay::allOnPage(const std::vector<int32_t>& shapeIDs) const {
    std::vector<int16_t> stream;
    size_t named = 0;
    for (int32_t id : shapeIDs) {
        if (!pageBatchNamesShape(id)) {
            if (getShapeByID(pageShapes_, id).isEmpty()) return false;
            continue;
        }
        for (int32_t part : batchKey(id, kLockWidthCell))
            stream.push_back(static_cast<int16_t>(part));
        ++named;
    }
    if (named == 0) return true;
    std::vector<visio::Variant> answer;
    page().GetResults(stream, kGetFloats, {}, &answer);
    return answer.size() == named;
}

std::vector<int32_t> SimulationShapeDisplay::shapesOnPage() const {
    std::vector<int32_t> ids;
    const int32_t count = pageShapes_.Count();
    for (int32_t i = 1; i <= count; ++i) appendShapeTreeIDs(getShapeByIndex(pageShapes_, i), ids);
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool SimulationShapeDisplay::isOnPage(int32_t shapeID) const {
    if (!isShapeID(shapeID)) return false;
    return !pageWalk_ || std::binary_search(pageWalk_->begin(), pageWalk_->end(), shapeID);
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
// as the user drew it ("0" or "007" in a box, a cell inherited from the master), which a
// count written back would not restore. A box's text is what reading found in it; a cell
// is looked for by its row and read with the others in one batch.
void SimulationShapeDisplay::saveMarkingCarriers() {
    if (markingsSaved_ || !places_) return;
    markingsSaved_ = true;
    std::vector<MarkingCarrier*> cells;
    for (GEGraphElement* e = places_->getFirst(); e != places_->end(); e = places_->getNext()) {
        const auto* place = static_cast<const GEPlace*>(e);
        if (place->isStackPlace()) continue;
        MarkingCarrier& carrier = carriers_[place];
        carrier.cellName = place->getMarkingCellName();
        carrier.inCell = !carrier.cellName.empty();
        carrier.former.shapeID =
            carrier.inCell ? place->getMarkingCellShapeID() : place->getMarkingShapeID();
        if (!isShapeID(carrier.former.shapeID)) continue;
        if (carrier.inCell) {
            cells.push_back(&carrier);
            continue;
        }
        const std::string* read =
            savedFormulas_ ? savedFormulas_->textRead(carrier.former.shapeID) : nullptr;
        carrier.formerText = read ? *read : shapeOfID(carrier.former.shapeID).Text();
        carrier.shown = carrier.formerText;
        carrier.located = true;
    }
    locateMarkingCells(cells);
}

// A marking cell is a user cell: its row is found by its name, which also tells a
// missing one; any other is looked up. An inherited cell goes back to inheriting.
void SimulationShapeDisplay::locateMarkingCells(std::vector<MarkingCarrier*>& cells) {
    std::vector<FormulaBatchKey> local;
    std::vector<MarkingCarrier*> localCarriers;
    for (MarkingCarrier* carrier : cells) {
        const visio::VShape shape = shapeOfID(carrier->former.shapeID);
        if (hasUserPrefix(carrier->cellName)) {
            const int16_t row = shape.CellsRowIndexU(carrier->cellName);
            if (row < 0) continue;
            carrier->former.address = {static_cast<uint16_t>(visio::visSectionUser),
                                       static_cast<uint16_t>(row), 0};
        } else {
            const visio::VCell cell = shape.CellsU(carrier->cellName);
            if (cell.isEmpty()) continue;
            carrier->former.address = addressOf(cell);
        }
        carrier->located = true;
        const CellAddress& a = carrier->former.address;
        if (shape.CellsSRCExists(static_cast<int16_t>(a.section), static_cast<int16_t>(a.row),
                                 static_cast<int16_t>(a.cell), kLocally) == 0)
            continue;
        local.push_back(batchKey(carrier->former.shapeID, a));
        localCarriers.push_back(carrier);
    }
    if (local.empty()) return;
    const std::vector<std::string> formulas =
        getFormulasBatch(page(), local, [this](int32_t id) { return shapeOfID(id); });
    for (size_t i = 0; i < localCarriers.size(); ++i) {
        localCarriers[i]->former.formula = formulas[i];
        localCarriers[i]->shown = formulas[i];
    }
}

void SimulationShapeDisplay::showMarking(const Marking& marking) {
    saveMarkingCarriers();
    if (writing_ == Writing::OneByOne) {
        showMarkingOneByOne(marking);
    } else {
        showMarkingBatched(marking);
    }
}

// The carriers whose count changed: their cells and the boxes' LockTextEdit in one batch,
// the boxes' texts, then LockTextEdit again; as plain writes, which a guarded cell refuses.
// A box whose lock the user changed during the run gets the user's lock back, not ours.
void SimulationShapeDisplay::showMarkingBatched(const Marking& marking) {
    FormulaBatchMap cells;
    FormulaBatchMap locks;
    std::vector<std::pair<int32_t, std::string>> texts;
    for (int32_t i = 0; i < marking.placeCount(); ++i) {
        auto it = carriers_.find(marking.placeAt(i));
        if (it == carriers_.end() || !it->second.located || it->second.typedOver) continue;
        MarkingCarrier& carrier = it->second;
        const std::string shown =
            carrier.inCell ? std::to_string(marking.tokensAt(i)) : textOfCount(marking.tokensAt(i));
        if (carrier.shown == shown) continue;
        carrier.shown = shown;
        carrier.written = true;
        const int32_t shapeID = carrier.former.shapeID;
        if (carrier.inCell) {
            cells.emplace(batchKey(shapeID, carrier.former.address), shown);
            continue;
        }
        cells.emplace(batchKey(shapeID, kLockTextEditCell), kUnprotected);
        locks.emplace(batchKey(shapeID, kLockTextEditCell), kProtected);
        texts.emplace_back(shapeID, shown);
    }
    if (texts.empty()) {
        if (!cells.empty()) writeBatch(std::move(cells), GuardedCells::Keep);
        return;
    }
    for (auto& [key, formula] :
         cellsTypedOver(page(), locks, [this](int32_t id) { return shapeOfID(id); }))
        locks[key] = std::move(formula);
    writeBatch(std::move(cells), GuardedCells::Keep);
    for (const auto& [shapeID, text] : texts) setShapeText(shapeOfID(shapeID), text);
    writeBatch(std::move(locks), GuardedCells::Keep);
}

void SimulationShapeDisplay::showMarkingOneByOne(const Marking& marking) {
    for (int32_t i = 0; i < marking.placeCount(); ++i) {
        const GEPlace* place = marking.placeAt(i);
        if (place->isStackPlace()) continue;
        const std::string cellName = place->getMarkingCellName();
        const std::string shown = cellName.empty() ? textOfCount(marking.tokensAt(i))
                                                   : std::to_string(marking.tokensAt(i));
        auto carrier = carriers_.find(place);
        if (carrier != carriers_.end() && carrier->second.typedOver) continue;
        if (carrier != carriers_.end()) {
            carrier->second.written = true;
            carrier->second.shown = shown;
        }
        if (cellName.empty()) {
            showInTextBox(place->getMarkingShapeID(), shown);
        } else {
            showInCell(place->getMarkingCellShapeID(), cellName, shown);
        }
    }
}

// The box is protected like every shape of the net; it is opened for the one write, and
// closed again as it was: a lock the user changed during the run is the user's.
void SimulationShapeDisplay::showInTextBox(int32_t shapeID, const std::string& text) const {
    if (!isShapeID(shapeID)) return;
    const visio::VShape box = getShapeByID(pageShapes_, shapeID);
    const visio::VCell lock = box.CellsU(kLockTextEdit);
    const std::string held = lock.isEmpty() ? std::string(kProtected) : lock.FormulaU();
    setCellFormula(box, kLockTextEdit, kUnprotected);
    setShapeText(box, text);
    setCellFormula(box, kLockTextEdit, held);
}

void SimulationShapeDisplay::showInCell(int32_t shapeID, const std::string& cellName,
                                        const std::string& count) const {
    if (!isShapeID(shapeID)) return;
    setCellFormula(getShapeByID(pageShapes_, shapeID), cellName, count);
}

// --- Highlights

void SimulationShapeDisplay::showOutlines(const Outlines& outlines) {
    if (writing_ == Writing::OneByOne) {
        showOutlinesOneByOne(outlines);
        return;
    }
    OutlineMap wanted;
    for (const OutlineGroup& group : outlines) addOutlines(wanted, group);
    showOutlinesBatched(std::move(wanted));
}

void SimulationShapeDisplay::highlightConflictPlaces(const std::vector<GEPlace*>& places,
                                                     uint32_t colour) {
    highlightEnabledTransitions(std::vector<GEGraphElement*>(places.begin(), places.end()), colour);
}

void SimulationShapeDisplay::highlightEnabledTransitions(
    const std::vector<GEGraphElement*>& transitions, uint32_t colour) {
    if (writing_ == Writing::OneByOne) {
        const std::string formula = rgbFormula(colour);
        for (GEGraphElement* transition : transitions) highlightElement(transition, formula);
        return;
    }
    OutlineMap wanted = shownOutlines_;
    addOutlines(wanted, {transitions, colour});
    showOutlinesBatched(std::move(wanted));
}

void SimulationShapeDisplay::clearHighlight() {
    showOutlines({});
}

void SimulationShapeDisplay::addOutlines(OutlineMap& wanted, const OutlineGroup& group) {
    const std::string formula = rgbFormula(group.colour);
    for (GEGraphElement* element : group.elements) {
        if (element && isShapeID(element->getID())) wanted[element->getID()] = {element, formula};
    }
}

// The difference to what is coloured now, in one batch: an outline no longer wanted gets
// its saved colour back, one wanted gets its colour unless it has it already. A colour
// the user typed over one coloured before is the user's, and stays.
void SimulationShapeDisplay::showOutlinesBatched(OutlineMap wanted) {
    FormulaBatchMap written;
    FormulaBatchMap batch;
    for (const auto& [shapeID, outline] : shownOutlines_) {
        auto next = wanted.find(shapeID);
        if (next == wanted.end()) {
            enterSavedOutline(written, batch, shapeID, outline);
        } else if (next->second.formula != outline.formula) {
            written.emplace(batchKey(shapeID, kLineColorCell), outline.formula);
        }
    }
    keepWhatWasTypedOver(written, batch);
    for (const auto& [shapeID, outline] : wanted) {
        auto shown = shownOutlines_.find(shapeID);
        if (shown == shownOutlines_.end() || shown->second.formula != outline.formula) {
            enterOutline(batch, outline, shapeID);
        }
    }
    shownOutlines_ = std::move(wanted);
    if (!batch.empty()) writeBatch(std::move(batch), GuardedCells::Keep);
}

void SimulationShapeDisplay::enterOutline(FormulaBatchMap& batch, const Outline& outline,
                                          int32_t shapeID) const {
    batch[batchKey(shapeID, kLineColorCell)] = outline.formula;
}

// An outline whose shape has no saved formulas keeps its colour, as it always did.
void SimulationShapeDisplay::enterSavedOutline(FormulaBatchMap& written, FormulaBatchMap& batch,
                                               int32_t shapeID, const Outline& outline) const {
    if (!savedFormulas_) return;
    std::optional<std::string> formula = savedFormulas_->findFormula(shapeID, kLineColorCell);
    if (!formula) return;
    written.emplace(batchKey(shapeID, kLineColorCell), outline.formula);
    batch[batchKey(shapeID, kLineColorCell)] = std::move(*formula);
}

// One by one, as the display always did: every outline coloured before is put back,
// then every one wanted is coloured.
void SimulationShapeDisplay::showOutlinesOneByOne(const Outlines& outlines) {
    std::unordered_set<int32_t> restored;
    for (const GEGraphElement* element : highlighted_) {
        if (restored.insert(element->getID()).second) restoreOutline(element->getID());
    }
    highlighted_.clear();
    shownOutlines_.clear();
    for (const OutlineGroup& group : outlines)
        highlightEnabledTransitions(group.elements, group.colour);
}

void SimulationShapeDisplay::highlightElement(GEGraphElement* element, const std::string& formula) {
    if (!element) return;
    highlighted_.push_back(element);
    if (!isShapeID(element->getID())) return;
    shownOutlines_[element->getID()] = {element, formula};
    setCellFormula(getShapeByID(pageShapes_, element->getID()), kLineColor, formula);
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
