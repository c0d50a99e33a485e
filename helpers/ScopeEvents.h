// The scope events Visio raises when one of its commands begins.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/visio/IVObject.h"

// The scope number at the start of a scope event's text ("1227;0;Text;0"), as the
// Windows conversion of the text would see it: text that does not fit its buffer
// counts as none.
std::optional<int32_t> scopeNumberOf(const visio::Variant& moreInfo);
