// Makes shapes: new ones from a ShapeSpec, and copies of others (Page.Drop).
#pragma once

#include <string>

#include "platform/visio/ComRef.h"

namespace simhost {

class Page;
class Shape;
class ShapeSpec;

class ShapeBuilder {
public:
    // Builds the shape and its members on the page (inside group when given) and enters
    // them into the page; raises nothing. Cells the ShapeSpec gets wrong are reported in
    // *problems and skipped; formulas that do not parse are kept as text.
    static visio::ComRef<Shape> build(Page& page, const ShapeSpec& spec, Shape* group,
                                      std::string* problems);
    // A copy of the shape (cells, text, name, members) with new IDs on the page.
    static visio::ComRef<Shape> copy(Shape& source, Page& page, Shape* group);

private:
    // Which cells of a shape come from a master. The members of a master's instance are
    // instances of the master's own sub-shapes: every cell of theirs is inherited until
    // something writes it, as in Visio.
    enum class Origin { Own, Master, MasterMember };
    static visio::ComRef<Shape> build(Page& page, const ShapeSpec& spec, Shape* group,
                                      Origin origin, std::string* problems);
    static void place(Page& page, Shape& shape, Shape* group);
    static void putCell(Shape& shape, const std::string& name, const std::string& formula,
                        bool inherited, std::string* problems);
};

}  // namespace simhost
