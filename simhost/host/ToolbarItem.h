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

    // IVToolbarItem
    std::string TooltipText() override;
    void SetTooltipText(const std::string& text) override;
    std::string AddOnName() override;
    void SetAddOnName(const std::string& name) override;
    std::string AddOnArgs() override;
    void SetAddOnArgs(const std::string& args) override;
    int16_t Style() override;
    void SetStyle(int16_t style) override;
    std::string Caption() override;
    void SetCaption(const std::string& caption) override;
    int16_t CntrlType() override;
    void SetCntrlType(int16_t type) override;
    int16_t Priority() override;
    void SetPriority(int16_t priority) override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    std::string IconFileName() override;
    void SetIconFileName(const std::string& face) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    int16_t State() override;
    void SetState(int16_t state) override;
    // Takes the item off its toolbar.
    void Delete() override;

    const ToolbarItemProperties& properties() const { return properties_; }
    void detach();

private:
    ToolbarItems* owner_;
    ToolbarItemProperties properties_;
};

}  // namespace simhost
