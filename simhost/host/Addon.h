// One add-on registered with the application, known by its name.
#pragma once

#include <string>

#include "platform/visio/IVApplication.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Addon : public HostObject<visio::IVAddon> {
public:
    explicit Addon(std::string name) : name_(std::move(name)) {}

    // IVAddon
    QAV_VISIO_DECLARE_OVERRIDES(Addon)

    const std::string& name() const { return name_; }

private:
    std::string name_;
};

}  // namespace simhost
