// The toolbar sets of a UI object, found by their set ID.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class ToolbarSet;

class ToolbarSets : public HostObject<visio::IVToolbarSets> {
public:
    ToolbarSets();
    ~ToolbarSets() override;

    // IVToolbarSets
    QAV_VISIO_DECLARE_OVERRIDES(ToolbarSets)

    const std::vector<visio::ComRef<ToolbarSet>>& list() const { return sets_; }
    visio::ComRef<ToolbarSet> add(int32_t id);
    ToolbarSet* find(int32_t id) const;
    void copyFrom(const ToolbarSets& other);
    void detach();

private:
    std::vector<visio::ComRef<ToolbarSet>> sets_;
};

}  // namespace simhost
