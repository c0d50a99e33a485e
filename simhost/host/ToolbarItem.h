// One button of a toolbar, with every property of Visio's ToolbarItem.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class ToolbarItems;

struct ToolbarItemProperties {
    std::string tooltipText;
    std::string addOnName;
    std::string addOnArgs;
    int16_t style = 0;
    std::string caption;
    int16_t cntrlType = 0;
    int16_t priority = 0;
    bool visible = true;
    std::string iconFileName;
    bool enabled = true;
    int16_t state = 0;
};

class ToolbarItem : public HostObject<visio::IVToolbarItem> {
public:
    ToolbarItem(ToolbarItems* owner, ToolbarItemProperties properties)
        : owner_(owner), properties_(std::move(properties)) {}

    // IVToolbarItem. Delete takes the item off its toolbar.
    QAV_VISIO_DECLARE_OVERRIDES(ToolbarItem)

    const ToolbarItemProperties& properties() const { return properties_; }
    void detach();

private:
    ToolbarItems* owner_;
    ToolbarItemProperties properties_;
};

}  // namespace simhost
