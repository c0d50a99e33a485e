// Test doubles of Visio objects generated from the member tables, so that a member added
// to a table needs nothing here: Unanswered<IVX> answers every member with the empty
// value, Forwarding<IVX> hands every member to another object (empty when there is
// none). A test derives from one and overrides only the members it watches.
#pragma once

#include <tuple>

#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"
#include "platform/visio/MemberTable.h"

namespace teststandin {

// Uncounted: the test owns the object and outlives every reference it hands out.
template <class I>
class Uncounted : public I {
public:
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    visio::IVObject* QueryInterface(visio::InterfaceId id) override {
        return id == I::kId || id == visio::InterfaceId::Object ? this : nullptr;
    }
};

template <class I>
class Unanswered;
template <class I>
class Forwarding;

#define QAV_TEST_UNANSWERED_ROW(C, kind, R, name, visioName, params, args) \
    R name params override {                                               \
        static_cast<void>(std::forward_as_tuple args);                     \
        return R();                                                        \
    }
#define QAV_TEST_FORWARDING_ROW(C, kind, R, name, visioName, params, args) \
    R name params override {                                               \
        if (!real) return R();                                             \
        return real->name args;                                            \
    }
#define QAV_TEST_STAND_IN_OBJECTS(Object)                                                    \
    template <>                                                                              \
    class Unanswered<visio::IV##Object> : public Uncounted<visio::IV##Object> {              \
    public:                                                                                  \
        QAV_VISIO_MEMBERS_##Object(QAV_TEST_UNANSWERED_ROW, visio::IV##Object)               \
    };                                                                                       \
    template <>                                                                              \
    class Forwarding<visio::IV##Object> : public Uncounted<visio::IV##Object> {              \
    public:                                                                                  \
        QAV_VISIO_MEMBERS_##Object(QAV_TEST_FORWARDING_ROW,                                  \
                                   visio::IV##Object) visio::ComRef<visio::IV##Object> real; \
    };
QAV_VISIO_OBJECTS(QAV_TEST_STAND_IN_OBJECTS)
#undef QAV_TEST_STAND_IN_OBJECTS
#undef QAV_TEST_FORWARDING_ROW
#undef QAV_TEST_UNANSWERED_ROW

}  // namespace teststandin
