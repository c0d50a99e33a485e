// The member tables of the Visio port: every member of a Visio object is one row of its
// object's table (IVApplication.h, IVDocument.h, IVShape.h, ...), and what the members
// are written into is generated from the rows: the port interface, the value wrapper
// (Wrappers.h), the stand-in's override declarations and the row list below.
//
// A table is a macro QAV_VISIO_MEMBERS_<Object>(X, C) that expands X once per row:
//
//     X(C, kind, result type, C++ name, "Visio name", (parameters), (arguments))
//
// kind is how Visio's automation reaches the member: Get (a property read, with or
// without index arguments), Put (a property write; the last parameter is the value
// written) or Method. The Visio name is the member's published automation name: the
// C++ name of a Put differs from it (SetText writes Visio's Text). Types are written
// qualified (visio::ComRef<visio::IVShape>), so a row means the same in any namespace;
// a parameter that is a pointer to non-const is an out-parameter. C is what the caller
// passes through to X (the class being declared or defined).
#pragma once

#include <tuple>
#include <type_traits>

#include "platform/visio/IVForward.h"

namespace visio {

// How a late-bound call reaches a member.
enum class MemberKind { Get, Put, Method };

// One row of a table as data: its kind, Visio's name for it, the interface member and
// its C++ name.
template <class M>
struct MemberRow {
    MemberKind kind;
    const char* visioName;
    M member;
    const char* name;
};

// The parts of a member's signature, for converting arguments and results by type.
template <class M>
struct MemberSignature;
template <class I, class R, class... P>
struct MemberSignature<R (I::*)(P...)> {
    using Interface = I;
    using Result = R;
    using Parameters = std::tuple<P...>;
};

// MemberTable<IVShape>::rows is the tuple of the Shape table's MemberRows.
template <class I>
struct MemberTable;

// Calls visit(row) for each row of the interface's table, in table order.
template <class I, class Visitor>
constexpr void forEachMember(Visitor&& visit) {
    std::apply([&](const auto&... row) { (visit(row), ...); }, MemberTable<I>::rows);
}

namespace detail {
constexpr bool sameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}
}  // namespace detail

// The position of the row with that C++ name in the interface's table (from 0); -1 when
// the table has none.
template <class I>
constexpr int memberRowIndex(const char* name) {
    int found = -1;
    int at = 0;
    forEachMember<I>([&](const auto& row) {
        if (found < 0 && detail::sameText(row.name, name)) found = at;
        ++at;
    });
    return found;
}

}  // namespace visio

// The expansions of a row.
#define QAV_VISIO_PURE_VIRTUAL_ROW(C, kind, R, name, visioName, params, args) \
    virtual R name params = 0;
#define QAV_VISIO_OVERRIDE_ROW(C, kind, R, name, visioName, params, args) R name params override;
#define QAV_VISIO_DESCRIPTION_ROW(C, kind, R, name, visioName, params, args) \
    MemberRow<decltype(&C::name)>{MemberKind::kind, visioName, &C::name, #name},

// Declares the members of IV<Object> as pure virtual functions (inside the interface).
#define QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Object) \
    QAV_VISIO_MEMBERS_##Object(QAV_VISIO_PURE_VIRTUAL_ROW, IV##Object)

// Declares the overrides of every member of IV<Object> (inside an implementing class);
// the class defines each of them.
#define QAV_VISIO_DECLARE_OVERRIDES(Object) \
    QAV_VISIO_MEMBERS_##Object(QAV_VISIO_OVERRIDE_ROW, visio::IV##Object)

// Defines MemberTable<IV<Object>> (after the interface, in namespace visio).
#define QAV_VISIO_DESCRIBE_MEMBERS(Object)                                                 \
    template <>                                                                            \
    struct MemberTable<IV##Object> {                                                       \
        static constexpr auto rows =                                                       \
            std::tuple{QAV_VISIO_MEMBERS_##Object(QAV_VISIO_DESCRIPTION_ROW, IV##Object)}; \
    };
