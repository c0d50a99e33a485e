// How connectors are glued: their glue records, which end is glued, and where an arc
// drawn onto another connector points.
#pragma once

#include <cstdint>

#include "platform/visio/VShape.h"

// Which of a connector's two glue records an arc end is read from.
enum class ArcEndRule { First, Second };

// How many of the connector's glue records hold its begin or end point.
int32_t getGluedEndPart(const visio::VShape& connector);
// Which end the first glue record holds: 0 the begin point, 1 the end point, -1 other.
int32_t getConnectPart(const visio::VShape& connector);
// The shape that glue record `record` (1 or 2) glues the connector to.
visio::VShape getConnectedShape(const visio::VShape& connector, int32_t record);

// The connection point (of the shape it is glued to) that the connector's parent is
// glued at, choosing between two glue records by the parent's end arrow and extent;
// 0 when the parent has no glue record or more than two.
int16_t getArcEndPart(const visio::VShape& connector, ArcEndRule rule);
// For connector c whose end (its begin when atBegin) lies on connector d: true when c
// counts at d's begin, false at d's end. The connection point (100 or 101) at which c's
// group is glued and whether d shows an end arrow decide.
bool getArcTarget(const visio::VShape& c, const visio::VShape& d, bool atBegin);
