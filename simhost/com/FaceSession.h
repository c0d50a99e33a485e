// The stand-in host's side of a COM conversation: one face (a dispatch object) per
// stand-in object that crosses, the event sinks of the other side that it holds, and the
// count of the calls it answered. What the other side still holds is what it has not
// released: the faces and sinks alive.
#pragma once

#include "platform/com/Automation.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/com/Conversion.h"

namespace simhost::comface {

class FaceBase;

struct FaceCounts {
    uint64_t calls = 0;        // Invoke on a face
    uint64_t nameLookups = 0;  // GetIDsOfNames on a face
    uint64_t sinkCalls = 0;    // VisEventProc on the other side's sinks
    std::size_t liveFaces = 0;
    std::size_t liveSinks = 0;
};

class FaceSession final : public com::ObjectBridge,
                          public std::enable_shared_from_this<FaceSession> {
public:
    static std::shared_ptr<FaceSession> create();

    // The face of the stand-in object, the same one while it lives, with a new reference;
    // null for an empty reference or an object of no interface the port knows.
    IDispatch* faceOf(const visio::ObjectRef& object);

    // ObjectBridge: a stand-in object crosses as its face; a face comes back as its
    // stand-in object, and any other dispatch object (an event sink of the other side) as
    // a sink the stand-in can call.
    IDispatch* dispatchOf(const visio::ObjectRef& object) override { return faceOf(object); }
    visio::ObjectRef objectOf(IDispatch* dispatch, visio::InterfaceId id) override;

    FaceCounts& counts() { return counts_; }
    // A face is gone.
    void forget(const visio::IVObject* target);

private:
    FaceSession() = default;

    std::unordered_map<const visio::IVObject*, FaceBase*> faces_;
    FaceCounts counts_;
};

}  // namespace simhost::comface
