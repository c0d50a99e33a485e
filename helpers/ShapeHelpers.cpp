#include "helpers/ShapeHelpers.h"

#include "helpers/VisioText.h"
#include "platform/visio/VObject.h"

visio::VShape getShapeByIndex(const visio::VShapes& shapes, int32_t index) {
    return shapes.Item(index);
}

visio::VShape getShapeByID(const visio::VShapes& shapes, int32_t shapeID) {
    return shapes.ItemFromID(shapeID);
}

visio::VShape getParentShape(const visio::VShape& shape) {
    return shape.Parent().as<visio::VShape>();
}

bool isOtherShape(const visio::VShape& shape, visio::VShape other) {
    return !other.isEmpty() && other.ID() != shape.ID();
}

std::string getShapeText(const visio::VShape& shape) {
    return limitVisioText(shape.Text());
}

void setShapeText(const visio::VShape& shape, const std::string& text) {
    shape.SetText(text);
}
