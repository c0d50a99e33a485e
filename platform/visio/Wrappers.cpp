// The wrappers' forwarding members, one per row of every member table. They are defined
// here, where every wrapper is complete, so that a member can answer another wrapper.
#include "platform/visio/Wrappers.h"

namespace visio {

#define QAV_VISIO_FORWARDER_ROW(W, kind, R, name, visioName, params, args) \
    WrapperOf<R> W::name params const {                                    \
        constexpr int tableRow = memberRowIndex<W::Interface>(#name);      \
        return forward<tableRow>(&W::Interface::name) args;                \
    }
#define QAV_VISIO_DEFINE_FORWARDERS(Object) \
    QAV_VISIO_MEMBERS_##Object(QAV_VISIO_FORWARDER_ROW, V##Object)

QAV_VISIO_OBJECTS(QAV_VISIO_DEFINE_FORWARDERS)

}  // namespace visio
