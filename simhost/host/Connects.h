// The glue records of a shape: those where it is the glued (from) shape, or those where
// it is the target (FromConnects).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/visio/IVShape.h"
#include "simhost/host/HostObject.h"

namespace simhost {

class Connect;

class Connects : public HostObject<visio::IVConnects> {
public:
    explicit Connects(bool outgoing);
    ~Connects() override;

    // IVConnects
    QAV_VISIO_DECLARE_OVERRIDES(Connects)

    bool isOutgoing() const { return outgoing_; }
    const std::vector<visio::ComRef<Connect>>& list() const { return records_; }
    void add(visio::ComRef<Connect> record);
    void remove(const Connect& record);
    // The shape is gone: every record is cut, here and at the other shape.
    void detach();

private:
    bool outgoing_;
    std::vector<visio::ComRef<Connect>> records_;
};

}  // namespace simhost
