// A toolbar set of a UI object: the toolbars shown with one kind of window (set 2 with
// drawing windows).
#pragma once

#include <cstdint>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Toolbars;

class ToolbarSet : public HostObject<visio::IVToolbarSet> {
public:
    explicit ToolbarSet(int32_t id);
    ~ToolbarSet() override;

    // IVToolbarSet
    QAV_VISIO_DECLARE_OVERRIDES(ToolbarSet)

    int32_t id() const { return id_; }
    simhost::Toolbars& toolbars() { return *toolbars_; }
    void detach();

private:
    int32_t id_;
    visio::ComRef<simhost::Toolbars> toolbars_;
};

}  // namespace simhost
