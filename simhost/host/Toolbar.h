// One toolbar of a toolbar set, with its items.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class ToolbarItems;
class Toolbars;

struct ToolbarProperties {
    std::string caption;
    int16_t protection = 0;
    int16_t position = 0;
    int16_t rowIndex = 0;
    bool visible = true;
    bool enabled = true;
};

class Toolbar : public HostObject<visio::IVToolbar> {
public:
    Toolbar(Toolbars* owner, ToolbarProperties properties);
    ~Toolbar() override;

    // IVToolbar
    std::string Caption() override;
    void SetCaption(const std::string& caption) override;
    int16_t Protection() override;
    void SetProtection(int16_t protection) override;
    int16_t Position() override;
    void SetPosition(int16_t position) override;
    int16_t RowIndex() override;
    void SetRowIndex(int16_t rowIndex) override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    visio::ComRef<visio::IVToolbarItems> ToolbarItems() override;
    // Takes the toolbar (and its items) out of its set.
    void Delete() override;

    const ToolbarProperties& properties() const { return properties_; }
    simhost::ToolbarItems& items() { return *items_; }
    void detach();

private:
    Toolbars* owner_;
    ToolbarProperties properties_;
    visio::ComRef<simhost::ToolbarItems> items_;
};

}  // namespace simhost
