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

    // IVToolbar. Delete takes the toolbar (and its items) out of its set.
    QAV_VISIO_DECLARE_OVERRIDES(Toolbar)

    const ToolbarProperties& properties() const { return properties_; }
    simhost::ToolbarItems& items() { return *items_; }
    void detach();

private:
    Toolbars* owner_;
    ToolbarProperties properties_;
    visio::ComRef<simhost::ToolbarItems> items_;
};

}  // namespace simhost
