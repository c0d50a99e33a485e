// What a page export draws, worked out from the page before anything is painted: every
// figure in page coordinates (inches, y up) with its looks, in the order it is drawn.
// The painter only turns this into pixels or PostScript.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "simhost/host/Transform.h"

namespace simhost::render {

struct Pixels;

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Rgb& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

enum class LinePattern { None, Solid, Dashed, Dotted, DashDot };

struct LineLook {
    Rgb colour;
    double weight = 0.01;  // inches
    LinePattern pattern = LinePattern::Solid;
    // Visio draws a line of weight 0 as a hairline: one pixel at 96 per inch.
    double drawnWeight() const { return std::max(weight, 1.0 / 96); }
};

struct FillLook {
    Rgb colour{255, 255, 255};
    bool filled = true;
};

struct TextLook {
    Rgb colour;
    double size = 8.0 / 72;  // inches
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// One path of a geometry section; a section may forbid its fill or its line.
struct ScenePath {
    std::vector<Point2> points;
    bool closed = false;
    bool fill = true;
    bool line = true;
};

// A filled triangle whose tip lies on the end of a line; direction points from the
// line towards the tip (a unit vector).
struct Arrowhead {
    Point2 tip;
    Point2 direction;
    double length = 0;  // inches
    double width = 0;
    // The tip, then the two ends of the base.
    std::array<Point2, 3> corners() const {
        const Point2 base{tip.x - direction.x * length, tip.y - direction.y * length};
        const Point2 across{-direction.y * width / 2, direction.x * width / 2};
        return {tip, Point2{base.x + across.x, base.y + across.y},
                Point2{base.x - across.x, base.y - across.y}};
    }
};

struct SceneText {
    std::vector<std::string> lines;
    Point2 centre;
    double angle = 0;  // radians, counter-clockwise from the page's x axis
    TextLook look;
};

// An imported picture stretched over a parallelogram of the page: where the picture's
// top left corner lands, and the page's way from there along its top edge and down its
// left edge.
struct SceneImage {
    std::shared_ptr<const Pixels> pixels;
    Point2 topLeft;
    Point2 across;
    Point2 down;
};

// What one shape draws: its outline (filled), an imported picture, the outline's line,
// its arrowheads, its text.
struct SceneShape {
    std::vector<ScenePath> paths;
    LineLook line;
    FillLook fill;
    std::optional<SceneImage> image;
    std::vector<Arrowhead> arrows;
    std::optional<SceneText> text;
};

struct Scene {
    double width = 0;  // the page, inches
    double height = 0;
    std::vector<SceneShape> shapes;
};

}  // namespace simhost::render
