#include "model/IncompleteShapeMessage.h"

#include "helpers/AddonConstants.h"
#include "helpers/MessageBoxWithButtons.h"
#include "helpers/ShapeHelpers.h"
#include "platform/ui/WinApiConstants.h"

std::string incompleteShapeMessageText(const std::string& shapeText, int32_t shapeID,
                                       const std::string& cellName) {
    return "Attributes of shape \"" + shapeText + "\" with ID " + std::to_string(shapeID) +
           " are not complete and could not be generated! \n(Missing: " + cellName +
           ") \n\n Ignoring that shape!";
}

void showIncompleteShapeMessage(const visio::VShape& shape, const std::string& cellName) {
    const std::string text = incompleteShapeMessageText(getShapeText(shape), shape.ID(), cellName);
    messageBoxWithButtons(ui::WindowHandle(), text, productTitle, "OK", ui::kMbIconStop);
}
