// What a metafile (EMF, WMF) is drawn on: fills, lines, text and pictures in whole device units
// (y down, the page's top left at the origin), each format recording them as its own
// records. SceneRecorder lays a scene out on it; EmfCanvas and WmfCanvas record it (with
// libUEMF, or GDI's metafile DCs on Windows), and on Windows GDI+ paints it as pixels.
#pragma once

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
    // A picture stretched over the upright box from topLeft, size across and down.
    virtual void image(const Pixels& pixels, DevicePoint topLeft, DevicePoint size) = 0;
};

}  // namespace simhost::render
