#include "platform/visio/VDocuments.h"

#include "platform/visio/VDocument.h"

namespace visio {

int16_t VDocuments::Count() const {
    return call(&IVDocuments::Count);
}

VDocument VDocuments::Item(int16_t index) const {
    return VDocument(call(&IVDocuments::Item, index));
}

}  // namespace visio
