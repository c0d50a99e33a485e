// The value wrappers over Visio's objects: one class per object of the port, whose
// members forward to the object's interface member of the same name (the rows of the
// object's member table).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"
#include "platform/visio/VObject.h"
#include "platform/visio/Wrapper.h"

namespace visio {

#define QAV_VISIO_DECLARE_WRAPPER(Object)   \
    class V##Object;                        \
    template <>                             \
    struct WrapperFor<ComRef<IV##Object>> { \
        using type = V##Object;             \
    };
QAV_VISIO_OBJECTS(QAV_VISIO_DECLARE_WRAPPER)
#undef QAV_VISIO_DECLARE_WRAPPER

template <>
struct WrapperFor<ObjectRef> {
    using type = VObject;
};

#define QAV_VISIO_FORWARDER_DECLARATION_ROW(W, kind, R, name, visioName, params, args) \
    WrapperOf<R> name params const;
// V<Object>, the wrapper of IV<Object>: its forwarding members, one per row of the
// object's table, are defined in Wrappers.cpp.
#define QAV_VISIO_DEFINE_WRAPPER(Object)                                           \
    class V##Object : public Wrapper<IV##Object> {                                 \
    public:                                                                        \
        using Wrapper::Wrapper;                                                    \
        QAV_VISIO_MEMBERS_##Object(QAV_VISIO_FORWARDER_DECLARATION_ROW, V##Object) \
    };
QAV_VISIO_OBJECTS(QAV_VISIO_DEFINE_WRAPPER)
#undef QAV_VISIO_DEFINE_WRAPPER

}  // namespace visio
