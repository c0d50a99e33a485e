// What a metafile (EMF, WMF) is drawn on: fills, lines, text and pictures in whole device units
// (y down, the page's top left at the origin), each format recording them as its own
// records. SceneRecorder lays a scene out on it; EmfCanvas and WmfCanvas record it (with
// libUEMF, or GDI's metafile DCs on Windows), and on Windows GDI+ paints it as pixels.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "simhost/render/Scene.h"

namespace simhost::render {

struct Pixels;

struct DevicePoint {
    int32_t x = 0;
    int32_t y = 0;
};

using DevicePolygon = std::vector<DevicePoint>;

// Where a picture lands: its top left corner and the opposite ends of its top and left edges.
struct DevicePlacement {
    DevicePoint topLeft;
    DevicePoint topRight;
    DevicePoint bottomLeft;
    // The fourth corner, across from the top left one.
    DevicePoint bottomRight() const {
        return {topRight.x + bottomLeft.x - topLeft.x, topRight.y + bottomLeft.y - topLeft.y};
    }
    // The upright box around it, by its top left corner and its size (at least one unit
    // each way): what a metafile's picture records stretch a picture over.
    DevicePoint boxTopLeft() const {
        const DevicePoint opposite = bottomRight();
        return {std::min({topLeft.x, topRight.x, bottomLeft.x, opposite.x}),
                std::min({topLeft.y, topRight.y, bottomLeft.y, opposite.y})};
    }
    DevicePoint boxSize() const {
        const DevicePoint opposite = bottomRight(), corner = boxTopLeft();
        return {std::max<int32_t>(
                    1, std::max({topLeft.x, topRight.x, bottomLeft.x, opposite.x}) - corner.x),
                std::max<int32_t>(
                    1, std::max({topLeft.y, topRight.y, bottomLeft.y, opposite.y}) - corner.y)};
    }
};

struct DeviceFont {
    int32_t height = 0;      // the character height (the em), device units
    int32_t escapement = 0;  // tenths of a degree, counter-clockwise
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const DeviceFont& o) const {
        return height == o.height && escapement == o.escapement && bold == o.bold &&
               italic == o.italic && underline == o.underline;
    }
};

class MetafileCanvas {
public:
    virtual ~MetafileCanvas() = default;
    // Device units to an inch.
    virtual double unitsPerInch() const = 0;
    // The polygons filled together, even-odd (one inside another is a hole), unoutlined.
    virtual void fill(const std::vector<DevicePolygon>& polygons, Rgb colour) = 0;
    virtual void stroke(const DevicePolygon& line, const LineLook& look, int32_t width) = 0;
    // One line of text centred on the reference point's vertical, on its baseline.
    virtual void text(const std::string& utf8, DevicePoint reference, const DeviceFont& font,
                      Rgb colour) = 0;
    // A picture stretched over its placement.
    virtual void image(const Pixels& pixels, const DevicePlacement& placement) = 0;
};

}  // namespace simhost::render
