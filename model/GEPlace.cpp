#include "model/GEPlace.h"

#include <utility>

namespace {

// Where the text boxes stand in the shape-ID list.
constexpr int32_t kCapacityShapeEntry = 1;
constexpr int32_t kMarkingShapeEntry = 2;

}  // namespace

GEPlace::GEPlace() {
    appendShapesID(UNSET);
    appendShapesID(UNSET);
}

int32_t GEPlace::getCapacityShapeID() const {
    return getShapesID(kCapacityShapeEntry);
}

void GEPlace::setCapacityShapeID(int32_t id) {
    if (id > 0) setShapesID(kCapacityShapeEntry, id);
}

int32_t GEPlace::getMarkingShapeID() const {
    return getShapesID(kMarkingShapeEntry);
}

void GEPlace::setMarkingShapeID(int32_t id) {
    if (id > 0) setShapesID(kMarkingShapeEntry, id);
}

void GEPlace::setMarkingCell(int32_t shapeID, std::string cellName) {
    markingCellShapeID_ = shapeID;
    markingCellName_ = std::move(cellName);
}
