#include "helpers/DocumentHelpers.h"

#include <string>

#include "helpers/VisioText.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VPages.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VWindow.h"

namespace {

visio::VDocument documentOf(const visio::VObject& object) {
    if (auto document = object.as<visio::VDocument>()) return document;
    if (auto page = object.as<visio::VPage>()) return page.Document();
    if (auto shape = object.as<visio::VShape>()) return shape.Document();
    return object.as<visio::VWindow>().Document();
}

}  // namespace

bool isSameNonStencilDocument(const visio::VDocument& document, visio::VObject other) {
    const std::string name = limitVisioText(document.Name());
    if (document.isEmpty() || name.find(".vss") != std::string::npos) return false;
    const visio::VDocument otherDocument = documentOf(other);
    return !otherDocument.isEmpty() && name == limitVisioText(otherDocument.Name());
}

int16_t getDocumentPageCount(const visio::VDocument& document) {
    return document.Pages().Count();
}

visio::VShapes getDocumentPageShapes(const visio::VDocument& document, int16_t pageIndex) {
    return document.Pages().Item(pageIndex).Shapes();
}
