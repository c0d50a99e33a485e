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

    // IVToolbarItems
    int32_t Count() override;
    visio::ComRef<visio::IVToolbarItem> Item(int32_t index) override;
    // Adds an item at the end.
    visio::ComRef<visio::IVToolbarItem> Add() override;

    const std::vector<visio::ComRef<ToolbarItem>>& list() const { return items_; }
    void remove(const ToolbarItem& item);
    // An independent copy of every item.
    void copyFrom(const ToolbarItems& other);
    void detach();

private:
    std::vector<visio::ComRef<ToolbarItem>> items_;
};

}  // namespace simhost
