// One toolbar button.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbarItem : public Wrapper<IVToolbarItem> {
public:
    using Interface = IVToolbarItem;
    using Wrapper::Wrapper;

    std::string TooltipText() const;
    void SetTooltipText(const std::string& text) const;
    std::string AddOnName() const;
    void SetAddOnName(const std::string& name) const;
    std::string AddOnArgs() const;
    void SetAddOnArgs(const std::string& args) const;
    int16_t Style() const;
    void SetStyle(int16_t style) const;
    std::string Caption() const;
    void SetCaption(const std::string& caption) const;
    int16_t CntrlType() const;
    void SetCntrlType(int16_t type) const;
    int16_t Priority() const;
    void SetPriority(int16_t priority) const;
    bool Visible() const;
    void SetVisible(bool visible) const;
    std::string IconFileName() const;
    void SetIconFileName(const std::string& face) const;
    bool Enabled() const;
    void SetEnabled(bool enabled) const;
    int16_t State() const;
    void SetState(int16_t state) const;
    void Delete() const;
};

}  // namespace visio
