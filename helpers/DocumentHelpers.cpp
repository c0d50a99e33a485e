#include "helpers/DocumentHelpers.h"

#include <string>
#include <utility>

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

bool isStencilDocument(const visio::VDocument& document) {
    const std::string name = limitVisioText(document.Name());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string extension = caseFolded(name.substr(dot));
    return extension == ".vss" || extension == ".vssx" || extension == ".vssm";
}

bool isSameNonStencilDocument(const visio::VDocument& document, visio::VObject other) {
    if (document.isEmpty() || isStencilDocument(document)) return false;
    return document.isSameObject(documentOf(other));
}

SavedStateKept::SavedStateKept(visio::VDocument document)
    : document_(std::move(document)), saved_(document_.Saved()) {}

SavedStateKept::~SavedStateKept() {
    if (saved_) document_.SetSaved(true);
}

int16_t getDocumentPageCount(const visio::VDocument& document) {
    return document.Pages().Count();
}

visio::VShapes getDocumentPageShapes(const visio::VDocument& document, int16_t pageIndex) {
    return document.Pages().Item(pageIndex).Shapes();
}
