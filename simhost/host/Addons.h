// The add-ons registered with the application (the host registers them by name).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Addon;

class Addons : public HostObject<visio::IVAddons> {
public:
    Addons();
    ~Addons() override;

    // IVAddons
    QAV_VISIO_DECLARE_OVERRIDES(Addons)

    void add(const std::string& name);
    void remove(const std::string& name);
    std::vector<std::string> names() const;

private:
    std::vector<visio::ComRef<Addon>> addons_;
};

}  // namespace simhost
