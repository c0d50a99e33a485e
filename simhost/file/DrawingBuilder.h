// Puts a checked DrawingData into a document of the host exactly as it stands: pages and
// shapes keep their IDs and names, sheets their cells, glue records their order. The
// host's own events and geometry stay out of it: the document's content is what it was
// when the file was written, glued connector ends included.
#pragma once

#include "simhost/file/DrawingData.h"

namespace simhost {

class Document;
class Page;
class Shape;
class Shapes;

class DrawingBuilder {
public:
    // Replaces the content of a new document (its one empty page) by the drawing's.
    static void fill(Document& document, DrawingData drawing);

private:
    static void fillPage(Page& page, PageData& data);
    static void addShapes(Page& page, Shape* group, Shapes& collection,
                          std::vector<ShapeData>& shapes);
    static void addGlue(Page& page, const std::vector<GlueData>& glue);
};

}  // namespace simhost
