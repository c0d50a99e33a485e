// Documents and their pages' shapes.
#pragma once

#include <cstdint>

#include "platform/visio/VDocument.h"
#include "platform/visio/VObject.h"
#include "platform/visio/VShapes.h"

// False for a stencil (a name containing ".vss"); otherwise true exactly when the
// document is named as the other object's document (the other object may be a
// document, page, shape or window). The other object's reference ends with the call.
bool isSameNonStencilDocument(const visio::VDocument& document, visio::VObject other);

int16_t getDocumentPageCount(const visio::VDocument& document);
// The shapes of the document's page at that index (from 1).
visio::VShapes getDocumentPageShapes(const visio::VDocument& document, int16_t pageIndex);
