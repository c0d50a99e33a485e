// The toolbars of a toolbar set, in order (index from 0, as Visio counts them).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVUIObject.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Toolbar;

class Toolbars : public HostObject<visio::IVToolbars> {
public:
    // What is left of the collection is orphaned: its items answer empty values.
    Toolbars();
    ~Toolbars() override;

    // IVToolbars. Add adds an empty toolbar at the end.
    QAV_VISIO_DECLARE_OVERRIDES(Toolbars)

    const std::vector<visio::ComRef<Toolbar>>& list() const { return toolbars_; }
    visio::ComRef<Toolbar> add(const std::string& caption);
    void remove(const Toolbar& toolbar);
    // An independent copy of every toolbar and its items.
    void copyFrom(const Toolbars& other);
    void detach();

private:
    std::vector<visio::ComRef<Toolbar>> toolbars_;
};

}  // namespace simhost
