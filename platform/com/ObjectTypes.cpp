#include "platform/com/ObjectTypes.h"

#include <array>
#include <utility>

namespace com {
namespace {

using visio::InterfaceId;

// Visio's VisObjectTypes codes of the port's objects.
constexpr std::array<std::pair<InterfaceId, int16_t>, 17> kObjectTypes = {{
    {InterfaceId::Application, 3},
    {InterfaceId::Cell, 4},
    {InterfaceId::Connect, 8},
    {InterfaceId::Connects, 9},
    {InterfaceId::Document, 10},
    {InterfaceId::Documents, 11},
    {InterfaceId::Page, 14},
    {InterfaceId::Pages, 15},
    {InterfaceId::Selection, 16},
    {InterfaceId::Shape, 17},
    {InterfaceId::Shapes, 18},
    {InterfaceId::Window, 21},
    {InterfaceId::Windows, 22},
    {InterfaceId::Addon, 31},
    {InterfaceId::Addons, 32},
    {InterfaceId::Event, 33},
    {InterfaceId::EventList, 34},
}};

}  // namespace

std::optional<int16_t> objectTypeOf(InterfaceId id) {
    for (const auto& [object, code] : kObjectTypes) {
        if (object == id) return code;
    }
    return std::nullopt;
}

std::optional<InterfaceId> interfaceOfObjectType(int16_t code) {
    for (const auto& [object, known] : kObjectTypes) {
        if (known == code) return object;
    }
    return std::nullopt;
}

}  // namespace com
