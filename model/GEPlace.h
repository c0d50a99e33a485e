// A place of a Petri net with its capacity, marking and their text boxes.
#pragma once

#include <cstdint>
#include <string>

#include "model/GEGraphElement.h"

class GEPlace : public GEGraphElement {
public:
    GEPlace();

    // -1 means unlimited.
    int32_t getCapacity() const { return capacity_; }
    void setCapacity(int32_t capacity) { capacity_ = capacity; }
    int32_t getMarking() const { return marking_; }
    void setMarking(int32_t marking) { marking_ = marking; }

    int32_t getCapacityShapeID() const;
    // Ignores IDs that are not positive, keeping the text box already known.
    void setCapacityShapeID(int32_t id);
    int32_t getMarkingShapeID() const;
    void setMarkingShapeID(int32_t id);

    // The cell on the page that shows the current marking, and the shape owning it.
    void setMarkingCell(int32_t shapeID, std::string cellName);
    int32_t getMarkingCellShapeID() const { return markingCellShapeID_; }
    std::string getMarkingCellName() const { return markingCellName_; }

    void setStackPlace() { stackPlace_ = 1; }
    void clearStackPlace() { stackPlace_ = 0; }
    bool isStackPlace() const { return stackPlace_ == 1; }

private:
    int32_t capacity_ = 1;
    int32_t marking_ = 0;
    std::string markingCellName_;
    int32_t markingCellShapeID_ = 0;
    int32_t stackPlace_ = 0;
};
