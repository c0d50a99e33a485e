// One toolbar.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

class VToolbarItems;

class VToolbar : public Wrapper<IVToolbar> {
public:
    using Interface = IVToolbar;
    using Wrapper::Wrapper;

    std::string Caption() const;
    void SetCaption(const std::string& caption) const;
    int16_t Protection() const;
    void SetProtection(int16_t protection) const;
    int16_t Position() const;
    void SetPosition(int16_t position) const;
    int16_t RowIndex() const;
    void SetRowIndex(int16_t rowIndex) const;
    bool Visible() const;
    void SetVisible(bool visible) const;
    bool Enabled() const;
    void SetEnabled(bool enabled) const;
    VToolbarItems ToolbarItems() const;
    void Delete() const;
};

}  // namespace visio
