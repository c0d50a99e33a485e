// The items of a toolbar, in order (index from 0, as Visio counts them).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class ToolbarItem;

class ToolbarItems : public HostObject<visio::IVToolbarItems> {
public:
    // What is left of the collection is orphaned: its items answer empty values.
    ToolbarItems();
    ~ToolbarItems() override;

    // IVToolbarItems. Add adds an item at the end.
    QAV_VISIO_DECLARE_OVERRIDES(ToolbarItems)

    const std::vector<visio::ComRef<ToolbarItem>>& list() const { return items_; }
    void remove(const ToolbarItem& item);
    // An independent copy of every item.
    void copyFrom(const ToolbarItems& other);
    void detach();

private:
    std::vector<visio::ComRef<ToolbarItem>> items_;
};

}  // namespace simhost
