#include "simhost/host/ToolbarSet.h"

#include "simhost/host/Toolbars.h"

namespace simhost {

ToolbarSet::ToolbarSet(int32_t id) : id_(id), toolbars_(makeObject<simhost::Toolbars>()) {}

int32_t ToolbarSet::SetID() {
    return isDeleted() ? 0 : id_;
}

visio::ComRef<visio::IVToolbars> ToolbarSet::Toolbars() {
    if (isDeleted()) return {};
    return toolbars_;
}

void ToolbarSet::detach() {
    markDeleted();
    toolbars_->detach();
}

ToolbarSet::~ToolbarSet() = default;

}  // namespace simhost
