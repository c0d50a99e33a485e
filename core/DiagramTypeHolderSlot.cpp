#include "core/DiagramTypeHolderSlot.h"

// PLACE OF THE DIAGRAM-TYPE HOLDER: the holder comes with the diagram model. Until then
// the controller holds none (null); when it exists, include its header here, create it
// with `new DiagramTypeHolder()` and delete it in the deleter.

void DiagramTypeHolderDeleter::operator()(DiagramTypeHolder*) const {}

DiagramTypeHolderPtr createDiagramTypeHolder() {
    return DiagramTypeHolderPtr();
}
