// How connectors are glued: their glue records, which end is glued, and where an arc
// drawn onto another connector points.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "platform/visio/VConnect.h"
#include "platform/visio/VConnects.h"
#include "platform/visio/VShape.h"

// Which of a connector's two glue records an arc end is read from.
enum class ArcEndRule { First, Second };

// How many of the connector's glue records hold its begin or end point.
int32_t getGluedEndPart(const visio::VShape& connector);
// Which end the first glue record holds: 0 the begin point, 1 the end point, -1 other.
int32_t getConnectPart(const visio::VShape& connector);
// The shape that glue record `record` (1 or 2) glues the connector to.
visio::VShape getConnectedShape(const visio::VShape& connector, int32_t record);

// A connector's glue records, each asked of Visio once: as getGluedEndPart,
// getConnectPart and the ID of getConnectedShape answer them.
class ConnectorGlue {
public:
    // idOf, when given, answers the IDs of shapes the caller knows (nothing otherwise).
    explicit ConnectorGlue(
        visio::VShape connector,
        std::function<std::optional<int32_t>(const visio::VShape&)> idOf = nullptr);
    int32_t gluedEndPart();
    int32_t connectPart();
    int32_t connectedShapeID(int32_t record);
    // The ID of the shape that the end (visBegin or visEnd) is glued to, found by the
    // end each record glues, whatever order the ends were glued in; none when the end
    // is not glued.
    std::optional<int32_t> shapeIDGluedAt(int16_t end);

private:
    visio::VConnect record(int32_t number);
    int16_t fromPart(int32_t number);

    visio::VShape connector_;
    std::function<std::optional<int32_t>(const visio::VShape&)> idOf_;
    std::optional<visio::VConnects> connects_;
    std::map<int32_t, visio::VConnect> records_;
    std::map<int32_t, int16_t> fromParts_;
    std::optional<int32_t> gluedEndPart_;
};

// The connection point (of the shape it is glued to) that the connector's parent is
// glued at, choosing between two glue records by the parent's end arrow and extent;
// 0 when the parent has no glue record or more than two.
int16_t getArcEndPart(const visio::VShape& connector, ArcEndRule rule);
// For connector c whose end (its begin when atBegin) lies on connector d: true when c
// counts at d's begin, false at d's end. The connection point (100 or 101) at which c's
// group is glued and whether d shows an end arrow decide.
bool getArcTarget(const visio::VShape& c, const visio::VShape& d, bool atBegin);
