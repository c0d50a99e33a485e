// Where a member name sits in its object's table. Every row with the same Visio name (a
// property's get and put) shares the slot of the first: the face of the stand-in answers
// the slot (from 1) as the name's DISPID, and the client keeps the DISPID Visio gave for
// the name in that slot, so each name is looked up once per object type.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

namespace com {

// The rows of the interface's table; none for IVObject, the interface of an object
// whose type is not said.
template <class I>
constexpr std::size_t rowCount() {
    if constexpr (std::is_same_v<I, visio::IVObject>) {
        return 0;
    } else {
        return std::tuple_size_v<std::remove_const_t<decltype(visio::MemberTable<I>::rows)>>;
    }
}

template <class I, std::size_t... N>
constexpr std::size_t slotOf(std::string_view name, std::index_sequence<N...>) {
    std::size_t slot = sizeof...(N);
    ((slot == sizeof...(N) && name == std::get<N>(visio::MemberTable<I>::rows).visioName
          ? (slot = N, true)
          : false),
     ...);
    return slot;
}

// The slot of the name; rowCount<I>() when no row has it.
template <class I>
constexpr std::size_t slotOf(std::string_view name) {
    return slotOf<I>(name, std::make_index_sequence<rowCount<I>()>());
}

template <class I, std::size_t... N>
constexpr std::array<std::size_t, sizeof...(N)> rowSlots(std::index_sequence<N...>) {
    return {slotOf<I>(std::get<N>(visio::MemberTable<I>::rows).visioName)...};
}

// The slot of each row, in table order.
template <class I>
constexpr std::array<std::size_t, rowCount<I>()> rowSlots() {
    return rowSlots<I>(std::make_index_sequence<rowCount<I>()>());
}

}  // namespace com
