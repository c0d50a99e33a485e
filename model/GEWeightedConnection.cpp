#include "model/GEWeightedConnection.h"

namespace {

// Where the weight text box stands in the shape-ID list.
constexpr int32_t kWeightShapeEntry = 1;

}  // namespace

GEWeightedConnection::GEWeightedConnection() {
    appendShapesID(UNSET);
}

int32_t GEWeightedConnection::getWeightShapeID() const {
    return getShapesID(kWeightShapeEntry);
}

void GEWeightedConnection::setWeightShapeID(int32_t id) {
    setShapesID(kWeightShapeEntry, id);
}
