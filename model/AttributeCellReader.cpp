#include "model/AttributeCellReader.h"

#include <cmath>

#include "helpers/CellHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "helpers/VisioText.h"
#include "model/NotationConstants.h"
#include "model/SavedFormulaIndex.h"
#include "model/ShapeAttributes.h"
#include "model/ShapeFixUps.h"
#include "model/ShownBoxTexts.h"

namespace {

// The nearest whole values that leave 32 bits.
constexpr double kCountBeyondTop = 2147483648.0;
constexpr double kCountBeyondBottom = -2147483649.0;
// How far a formula's arithmetic may leave a value from the whole number it means
// (0.1*30 gives a hair above 3).
constexpr double kWholeTolerance = 1e-9;

using Reader = bool (AttributeCellReader::*)(const std::string&);

struct ReaderEntry {
    const char* cell;
    Reader reader;
};

const ReaderEntry readers[attributeCellCount] = {
    {identifierIdCell, &AttributeCellReader::readIdentifier},
    {firstEdgeIdCell, &AttributeCellReader::readFirstEdge},
    {secondEdgeIdCell, &AttributeCellReader::readSecondEdge},
    {miscTypeCell, &AttributeCellReader::readMiscType},
    {channelIdCell, &AttributeCellReader::readChannel},
    {stickyManCell, &AttributeCellReader::readStickyMan},
    {outlineIdCell, &AttributeCellReader::readOutline},
    {requestArrowIdCell, &AttributeCellReader::readRequestArrow},
    {requestTextIdCell, &AttributeCellReader::readRequestText},
    {arrowIdCell, &AttributeCellReader::readArrow},
    {arcWeightIdCell, &AttributeCellReader::readArcWeight},
    {placeIdCell, &AttributeCellReader::readPlace},
    {markingCell, &AttributeCellReader::readMarking},
    {markingIdCell, &AttributeCellReader::readMarkingText},
    {capacityCell, &AttributeCellReader::readCapacity},
    {capacityIdCell, &AttributeCellReader::readCapacityText},
    {relationIdCell, &AttributeCellReader::readRelation},
};

}  // namespace

bool AttributeCellReader::readCell(const std::string& name) {
    // A missing cell reads as invalid: no reader takes a value from it.
    if (!record_.shape_.hasCell(name)) return false;
    for (const ReaderEntry& entry : readers) {
        if (name == entry.cell) return (this->*entry.reader)(name);
    }
    return false;
}

// An index that is no whole number names no sub-shape: -1 is out of every range.
int32_t AttributeCellReader::cellValue(const std::string& name) const {
    return countValue(name).value_or(-1);
}

bool AttributeCellReader::inRange(int32_t v) const {
    // 0 names the shape itself, which every shape has.
    return v == 0 || (v > 0 && v <= record_.shape_.countSubShapes());
}

visio::VShape AttributeCellReader::subShape(int32_t v) const {
    if (v < 1) return visio::VShape();
    return record_.shape_.subShape(v);
}

bool AttributeCellReader::readSubShape(const std::string& name, visio::VShape& target) {
    const int32_t v = cellValue(name);
    if (!inRange(v)) return false;
    target = subShape(v);
    return true;
}

// An edge, a node or an arrow is a part of its own: 0 names none, and an element read
// from no shape would stand in the diagram without a shape to show it.
bool AttributeCellReader::readPart(const std::string& name, visio::VShape& target) {
    const int32_t v = cellValue(name);
    if (v < 1 || !inRange(v)) return false;
    target = subShape(v);
    return true;
}

bool AttributeCellReader::readIdentifier(const std::string& name) {
    const int32_t v = cellValue(name);
    if (!inRange(v)) {
        record_.identifierID_ = -1;
        return false;
    }
    const visio::VShape carrier = v == 0 ? record_.shape_.shape() : subShape(v);
    record_.identifierID_ = v == 0 ? 0 : record_.shape_.subShapeID(v);
    record_.identifier_ = getShapeText(carrier);
    return true;
}

bool AttributeCellReader::readFirstEdge(const std::string& name) {
    return readPart(name, record_.firstEdge_);
}

bool AttributeCellReader::readSecondEdge(const std::string& name) {
    return readPart(name, record_.secondEdge_);
}

bool AttributeCellReader::readChannel(const std::string& name) {
    if (!readPart(name, record_.channel_)) return false;
    ShapeFixUps(record_).linkChannelText();
    return true;
}

bool AttributeCellReader::readRelation(const std::string& name) {
    return readPart(name, record_.relation_);
}

bool AttributeCellReader::readArrow(const std::string& name) {
    return readPart(name, record_.arrow_);
}

bool AttributeCellReader::readPlace(const std::string& name) {
    return readPart(name, record_.place_);
}

bool AttributeCellReader::readRequestArrow(const std::string& name) {
    return readSubShape(name, record_.requestArrow_);
}

bool AttributeCellReader::readOutline(const std::string& name) {
    return inRange(cellValue(name));
}

bool AttributeCellReader::readStickyMan(const std::string& name) {
    return inRange(cellValue(name));
}

bool AttributeCellReader::readRequestText(const std::string& name) {
    return inRange(cellValue(name));
}

bool AttributeCellReader::readMiscType(const std::string&) {
    // A misc shape is never an element; its reader only keeps its dependents in step.
    ShapeFixUps(record_).writeMiscDependents();
    return false;
}

// A count past 32 bits cannot be held, and one that is no whole number (a marking of
// 0.5, a capacity of 7.9) is no count: any number put in its place would be another one,
// so it reads as unacceptable, for the checker to report like a text box's.
std::optional<int32_t> AttributeCellReader::countValue(const std::string& name) const {
    const double v = record_.shape_.cellResult(name);
    const double whole = std::round(v);
    if (!(std::fabs(v - whole) <= kWholeTolerance)) return std::nullopt;
    if (whole >= kCountBeyondTop || whole <= kCountBeyondBottom) return std::nullopt;
    return resultAsInt(whole);
}

// A count cell the user set is read as it is: a value it may not hold (a capacity of 0,
// a marking of 2) reads as unacceptable, for the checker to report, and is never
// replaced by one it may.
bool AttributeCellReader::readCapacity(const std::string& name) {
    const std::optional<int32_t> v = countValue(name);
    const bool valid = v && (*v == -1 || *v >= 1);
    record_.capacity_ = valid ? *v : unacceptableTextValue;
    return true;
}

bool AttributeCellReader::readMarking(const std::string& name) {
    const std::optional<int32_t> v = countValue(name);
    const bool valid = v && (*v == 0 || *v == 1);
    record_.marking_ = valid ? *v : unacceptableTextValue;
    record_.markingCellName_ = markingCell;
    record_.markingCellShapeID_ = record_.shape_.id();
    return true;
}

std::string AttributeCellReader::userText(const visio::VShape& box, int32_t boxID,
                                          bool& cut) const {
    const std::string whole = box.Text();
    std::string text = limitVisioText(whole);
    cut = text.size() != whole.size();
    if (record_.shownTexts_ && record_.shownTexts_->showsOwnText(box, boxID, text)) {
        text.clear();
        cut = false;
    }
    return text;
}

// Reading never writes the box: a client that shows something in it puts back what the
// user wrote there. A text longer than Visio's text buffer reads only as its start, which
// is not what the user wrote ("2", blanks, then "x" would read as 2): it is no count.
int32_t AttributeCellReader::readTextValue(const visio::VShape& box, int32_t boxID,
                                           TextBoxKind kind, const char* promptCell) {
    bool cut = false;
    const std::string text = userText(box, boxID, cut);
    const std::string prompt = record_.shape_.cellString(promptCell);
    const TextBoxValue result = cut ? TextBoxValue() : evaluateTextBox(kind, text, prompt);
    if (record_.owner_) record_.owner_->noteTextRead(boxID, text);
    return result.value;
}

bool AttributeCellReader::readArcWeight(const std::string& name) {
    const int32_t v = cellValue(name);
    if (!inRange(v)) return false;
    record_.arcWeightText_ = subShape(v);
    record_.arcWeightShapeID_ = record_.shape_.subShapeID(v);
    record_.arcWeight_ = readTextValue(record_.arcWeightText_, record_.arcWeightShapeID_,
                                       TextBoxKind::ArcWeight, arcWeightPromptCell);
    return true;
}

bool AttributeCellReader::readCapacityText(const std::string& name) {
    const int32_t v = cellValue(name);
    if (!inRange(v)) return false;
    const visio::VShape box = subShape(v);
    record_.capacityShapeID_ = record_.shape_.subShapeID(v);
    record_.capacity_ =
        readTextValue(box, record_.capacityShapeID_, TextBoxKind::Capacity, capacityPromptCell);
    return true;
}

bool AttributeCellReader::readMarkingText(const std::string& name) {
    const int32_t v = cellValue(name);
    if (!inRange(v)) return false;
    const visio::VShape box = subShape(v);
    record_.markingShapeID_ = record_.shape_.subShapeID(v);
    record_.marking_ =
        readTextValue(box, record_.markingShapeID_, TextBoxKind::Marking, markingPromptCell);
    record_.markingCellName_.clear();
    record_.markingCellShapeID_ = record_.markingShapeID_;
    return true;
}
