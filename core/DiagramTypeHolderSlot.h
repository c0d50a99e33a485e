// The controller's one diagram-type holder, owned through this pointer so that the
// controller needs only its declaration.
#pragma once

#include <memory>

class DiagramTypeHolder;

struct DiagramTypeHolderDeleter {
    void operator()(DiagramTypeHolder* holder) const;
};

using DiagramTypeHolderPtr = std::unique_ptr<DiagramTypeHolder, DiagramTypeHolderDeleter>;

DiagramTypeHolderPtr createDiagramTypeHolder();
