// Visio's menus-and-toolbars object: toolbar sets by ID, an independent deep copy
// (Clone), and UpdateUI, which the host counts so tests can see it ran.
#pragma once

#include <cstdint>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class ToolbarSets;

class UIObject : public HostObject<visio::IVUIObject> {
public:
    UIObject();
    ~UIObject() override;

    // IVUIObject
    QAV_VISIO_DECLARE_OVERRIDES(UIObject)

    // A UI object with the sets Visio's built-in toolbars have (set 2 among them), each
    // holding one toolbar.
    static visio::ComRef<UIObject> builtIn();

    simhost::ToolbarSets& sets() { return *sets_; }
    int updateCount() const { return updates_; }

private:
    visio::ComRef<simhost::ToolbarSets> sets_;
    int updates_ = 0;
};

}  // namespace simhost
