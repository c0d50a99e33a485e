#include "helpers/ConnectorHelpers.h"

#include <utility>

#include "helpers/CellHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "platform/visio/VConnect.h"
#include "platform/visio/VConnects.h"
#include "platform/visio/VisioConstants.h"

namespace {

// The connection points of a composite arc's group that its arrow's ends glue to.
constexpr int16_t kArcTargetPoint = 101;
constexpr int16_t kArcSourcePoint = 100;

bool isEndPoint(int16_t part) {
    return part == visio::visBegin || part == visio::visEnd;
}

// Which record a two-record connector's end is read from: the arrow's direction and
// whether the shape is drawn forward (positive extent) decide which end, and the record
// that glues that end is taken, whichever was glued first. Records that glue neither
// end are taken in their order.
int16_t chooseRecord(const visio::VShape& parent, const visio::VConnects& connects,
                     ArcEndRule rule) {
    double extent = getCellResult(parent, "Height");
    if (extent == 0) extent = getCellResult(parent, "Width");
    const bool forward = getCellResult(parent, "EndArrow") != 0 && extent > 0;
    const bool atEnd = (rule == ArcEndRule::First) == forward;
    const int16_t end = atEnd ? visio::visEnd : visio::visBegin;
    for (int16_t record = 1; record <= 2; ++record) {
        if (connects.Item(record).FromPart() == end) return record;
    }
    return atEnd ? 2 : 1;
}

}  // namespace

ConnectorGlue::ConnectorGlue(visio::VShape connector,
                             std::function<std::optional<int32_t>(const visio::VShape&)> idOf)
    : connector_(std::move(connector)), idOf_(std::move(idOf)) {}

visio::VConnect ConnectorGlue::record(int32_t number) {
    auto it = records_.find(number);
    if (it != records_.end()) return it->second;
    if (!connects_) connects_ = connector_.Connects();
    return records_.emplace(number, connects_->Item(static_cast<int16_t>(number))).first->second;
}

int16_t ConnectorGlue::fromPart(int32_t number) {
    auto it = fromParts_.find(number);
    if (it == fromParts_.end()) it = fromParts_.emplace(number, record(number).FromPart()).first;
    return it->second;
}

int32_t ConnectorGlue::gluedEndPart() {
    if (gluedEndPart_) return *gluedEndPart_;
    if (!connects_) connects_ = connector_.Connects();
    const int32_t count = connects_->Count();
    int32_t glued = 0;
    for (int32_t i = 1; i <= count; ++i) {
        if (isEndPoint(fromPart(i))) ++glued;
    }
    gluedEndPart_ = glued;
    return glued;
}

int32_t ConnectorGlue::connectPart() {
    const int16_t part = fromPart(1);
    if (part == visio::visEnd) return 1;
    if (part == visio::visBegin) return 0;
    return -1;
}

int32_t ConnectorGlue::connectedShapeID(int32_t number) {
    const visio::VShape target = record(number).ToSheet();
    const std::optional<int32_t> known = idOf_ ? idOf_(target) : std::nullopt;
    return known ? *known : target.ID();
}

std::optional<int32_t> ConnectorGlue::shapeIDGluedAt(int16_t end) {
    if (!connects_) connects_ = connector_.Connects();
    const int32_t count = connects_->Count();
    for (int32_t i = 1; i <= count; ++i) {
        if (fromPart(i) == end) return connectedShapeID(i);
    }
    return std::nullopt;
}

int32_t getGluedEndPart(const visio::VShape& connector) {
    return ConnectorGlue(connector).gluedEndPart();
}

int32_t getConnectPart(const visio::VShape& connector) {
    return ConnectorGlue(connector).connectPart();
}

visio::VShape getConnectedShape(const visio::VShape& connector, int32_t record) {
    return connector.Connects().Item(static_cast<int16_t>(record)).ToSheet();
}

int16_t getArcEndPart(const visio::VShape& connector, ArcEndRule rule) {
    const visio::VShape parent = getParentShape(connector);
    const visio::VConnects connects = parent.Connects();
    int16_t record = 0;
    switch (connects.Count()) {
        case 1:
            record = 1;
            break;
        case 2:
            record = chooseRecord(parent, connects, rule);
            break;
        default:
            return 0;
    }
    return connects.Item(record).ToPart();
}

bool getArcTarget(const visio::VShape& c, const visio::VShape& d, bool atBegin) {
    const bool endArrow = getCellResult(d, "EndArrow") != 0;
    const int16_t part = getArcEndPart(c, atBegin ? ArcEndRule::First : ArcEndRule::Second);
    if (part == kArcTargetPoint) return !endArrow;
    if (part == kArcSourcePoint) return endArrow;
    return false;
}
