// Reads the attribute cells of the shape an attribute record holds into the record:
// sub-shape indexes checked against the shape's sub-shapes, capacity and marking values,
// and the numbers in the arc weight, capacity and marking text boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/TextBoxValue.h"
#include "platform/visio/VShape.h"

class ShapeAttributes;

class AttributeCellReader {
public:
    explicit AttributeCellReader(ShapeAttributes& record) : record_(record) {}

    // Calls the reader of the named attribute cell; false for any other name and for a
    // cell the shape does not have.
    bool readCell(const std::string& name);

    bool readIdentifier(const std::string& name);
    bool readFirstEdge(const std::string& name);
    bool readSecondEdge(const std::string& name);
    bool readChannel(const std::string& name);
    bool readRelation(const std::string& name);
    bool readArrow(const std::string& name);
    bool readPlace(const std::string& name);
    bool readRequestArrow(const std::string& name);
    bool readOutline(const std::string& name);
    bool readStickyMan(const std::string& name);
    bool readRequestText(const std::string& name);
    bool readMiscType(const std::string& name);
    bool readArcWeight(const std::string& name);
    bool readCapacity(const std::string& name);
    bool readCapacityText(const std::string& name);
    bool readMarking(const std::string& name);
    bool readMarkingText(const std::string& name);

private:
    int32_t cellValue(const std::string& name) const;
    // None when the value is no whole number or does not fit in 32 bits.
    std::optional<int32_t> countValue(const std::string& name) const;
    // 0 <= v <= the number of the shape's sub-shapes.
    bool inRange(int32_t v) const;
    // Sub-shape v counted from 1; empty for 0.
    visio::VShape subShape(int32_t v) const;
    // Reads index cell `name` and keeps the sub-shape it names in `target`.
    bool readSubShape(const std::string& name, visio::VShape& target);
    // The same for a part the diagram is built from, which must be a sub-shape.
    bool readPart(const std::string& name, visio::VShape& target);
    // The box's text as the user has it: empty where a tool shows a text of its own.
    // cut tells a text longer than Visio's text buffer, of which only the start is read.
    std::string userText(const visio::VShape& box, int32_t boxID, bool& cut) const;
    // Reads the number of text box `box` (of that ID) and answers it; the text it held,
    // and what it shows after, go to the record's owner.
    int32_t readTextValue(const visio::VShape& box, int32_t boxID, TextBoxKind kind,
                          const char* promptCell);

    ShapeAttributes& record_;
};
