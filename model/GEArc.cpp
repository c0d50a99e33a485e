#include "model/GEArc.h"

#include <utility>

GEArc::GEArc(GEGraphElement* begin, std::vector<GEConnection*> members, GEGraphElement* end)
    : begin_(begin), members_(std::move(members)), end_(end) {}

GEConnection* GEArc::getMember(int32_t i) const {
    if (i < 0 || i >= getMemberCount()) return nullptr;
    return members_[static_cast<std::size_t>(i)];
}
