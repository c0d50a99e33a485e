#include "helpers/DocumentHelpers.h"

#include <utility>

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

bool isSameDocument(const visio::VDocument& document, visio::VObject other) {
    return !document.isEmpty() && document.isSameObject(documentOf(other));
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
