#include "helpers/ShapeHelpers.h"

#include "helpers/VisioText.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VSelection.h"

visio::VShape getShapeByIndex(const visio::VShapes& shapes, int32_t index) {
    return shapes.Item(index);
}

visio::VShape getShapeByID(const visio::VShapes& shapes, int32_t shapeID) {
    return shapes.ItemFromID(shapeID);
}

visio::VShape getParentShape(const visio::VShape& shape) {
    return shape.Parent().as<visio::VShape>();
}

void appendShapeTreeIDs(const visio::VShape& shape, std::vector<int32_t>& ids) {
    if (shape.isEmpty()) return;
    ids.push_back(shape.ID());
    const visio::VShapes members = shape.Shapes();
    const int32_t count = members.Count();
    for (int32_t i = 1; i <= count; ++i) appendShapeTreeIDs(getShapeByIndex(members, i), ids);
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

// An older Visio does not know the member and answers no IDs, which a selection that
// has shapes never does.
std::vector<int32_t> getSelectionShapeIDs(
    const visio::VSelection& selection, const std::function<int32_t(const visio::VShape&)>& idOf) {
    std::vector<int32_t> ids;
    selection.GetIDs(&ids);
    if (!ids.empty()) return ids;
    const int32_t count = selection.Count();
    for (int32_t i = 1; i <= count; ++i) {
        const visio::VShape shape = selection.Item(i);
        ids.push_back(idOf ? idOf(shape) : shape.ID());
    }
    return ids;
}
