// Documents and their pages' shapes.
#pragma once

#include <cstdint>

#include "platform/visio/VDocument.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VShapes.h"

// True exactly when the other object's document (the other object may be a document,
// page, shape or window) is the document itself. Names never decide: two drawings of one
// file name in different folders are two documents, and a drawing saved under a stencil's
// extension stays the drawing. The other object's reference ends with the call.
bool isSameDocument(const visio::VDocument& document, visio::VObject other);

// What a tool writes only for display, between construction and destruction, leaves the
// document as saved as it was: a drawing shown and put back unchanged asks for no save.
// A change the user makes meanwhile still marks it changed.
class SavedStateKept {
public:
    explicit SavedStateKept(visio::VDocument document);
    ~SavedStateKept();
    SavedStateKept(const SavedStateKept&) = delete;
    SavedStateKept& operator=(const SavedStateKept&) = delete;

private:
    visio::VDocument document_;
    bool saved_;
};

int16_t getDocumentPageCount(const visio::VDocument& document);
// The shapes of the document's page at that index (from 1).
visio::VShapes getDocumentPageShapes(const visio::VDocument& document, int16_t pageIndex);
