// The text fields of a title block: the date or a property of the document, by the key
// that the field's action row sends.
#include <cstdio>
#include <string>

#include "helpers/ShapeHelpers.h"
#include "helpers/VisioText.h"
#include "platform/os/System.h"
#include "platform/visio/VDocument.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VShapes.h"
#include "shapetools/TitleBlockComponent.h"

namespace {

// Day, month and year as the title block shows a date: "06.12.2026".
std::string todaysDate() {
    const os::CalendarTime now = os::System::current().localTime();
    char text[64] = {};
    std::snprintf(text, sizeof(text), "%02d.%02d.%4d", now.day, now.month, now.year);
    return text;
}

// The text a key stands for; a key that names nothing is shown as it is.
std::string fieldText(const visio::VDocument& document, const std::string& key) {
    if (key == "DATE") return todaysDate();
    if (key == "CREATOR") return limitVisioText(document.Creator());
    if (key == "MANAGER") return limitVisioText(document.Manager());
    if (key == "COPYRIGHT") return limitVisioText(document.Company());
    if (key == "PROJECT") return limitVisioText(document.Subject());
    if (key == "DESCRIPTION") return limitVisioText(document.Description());
    return key;
}

}  // namespace

void TitleBlockComponent::insertTitleBlockText(int32_t shapeId, const std::string& key) {
    visio::VShape field = getShapeByID(application_.ActivePage().Shapes(), shapeId);
    if (field.isEmpty()) return;
    setShapeText(field, fieldText(application_.ActiveDocument(), key));
}
