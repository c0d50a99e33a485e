// A drawing as the drawing file describes it, read and checked but not yet part of the
// host: the document with its properties and sheet, its pages, their shapes (groups to
// any depth) and glue records. Sheets already hold the default cells of their kind.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Document.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

struct ShapeData {
    int32_t id = 0;
    std::string name;                    // empty: the shape has no name of its own
    int16_t type = visio::visTypeShape;  // shape, group or foreign object
    bool oneD = false;
    std::string text;
    std::string image;  // a foreign object's picture file, as bytes
    ShapeSheet sheet;
    std::vector<ShapeData> members;
};

// A part of the from shape (its begin, its end) glued to a part of the to shape.
struct GlueData {
    int32_t from = 0;
    int16_t fromPart = 0;
    int32_t to = 0;
    int16_t toPart = 0;
};

struct PageData {
    int32_t id = 0;
    std::string name;
    bool background = false;
    std::string backPage;  // the name of the background page behind it; empty: none
    ShapeSheet sheet;
    int32_t nextShapeId = 1;
    std::vector<ShapeData> shapes;
    std::vector<GlueData> glue;
};

struct DrawingData {
    std::string name;
    std::string path;
    DocumentProperties properties;
    ShapeSheet sheet;
    int32_t nextPageId = 0;
    std::vector<PageData> pages;
};

}  // namespace simhost
