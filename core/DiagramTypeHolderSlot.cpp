#include "core/DiagramTypeHolderSlot.h"

#include "model/DiagramTypeHolder.h"

void DiagramTypeHolderDeleter::operator()(DiagramTypeHolder* holder) const {
    delete holder;
}

DiagramTypeHolderPtr createDiagramTypeHolder() {
    return DiagramTypeHolderPtr(new DiagramTypeHolder());
}
