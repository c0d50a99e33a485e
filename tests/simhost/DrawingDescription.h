// A full description of a document's state taken from the host itself (not from any
// file), so that two documents can be compared for everything a drawing file must keep.
// Free of the test framework: the fuzz targets compare with it too.
#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost::testing {

inline void describeSheet(const ShapeSheet& sheet, std::ostream& out) {
    for (int16_t section : sheet.sectionNumbers()) {
        bool inherited = !sheet.sectionExists(section, true);
        out << "  section " << section << (inherited ? " inherited" : "") << "\n";
        std::vector<int16_t> rows;
        if (section == 1) {
            for (int16_t r = 0; r < 64; ++r)
                if (sheet.row(section, r)) rows.push_back(r);
        } else {
            for (int16_t r = 0; r < sheet.rowCount(section); ++r) rows.push_back(r);
        }
        for (int16_t r : rows) {
            const SheetRow& row = *sheet.row(section, r);
            out << "    row " << r << " '" << row.name << "' tag " << row.tag
                << (row.inherited ? " inherited" : "") << ":";
            for (const SheetCell& cell : row.cells)
                out << " [" << cell.formula << (cell.inherited ? "]i" : "]");
            out << "\n";
        }
    }
}

inline void describeShape(Shape& shape, std::ostream& out, const std::string& indent) {
    out << indent << "shape " << shape.id() << " '" << shape.localName() << "' type "
        << shape.type() << (shape.isOneDShape() ? " 1-D" : "") << " text '" << shape.text()
        << "'\n";
    if (!shape.imageBytes().empty()) out << indent << " image '" << shape.imageBytes() << "'\n";
    for (const auto& r : shape.connects().list())
        out << indent << " glue " << r->fromPart() << " -> " << r->to()->id() << ":" << r->toPart()
            << "\n";
    for (const auto& r : shape.fromConnects().list())
        out << indent << " glued from " << r->from()->id() << ":" << r->fromPart() << " at "
            << r->toPart() << "\n";
    describeSheet(shape.sheet(), out);
    for (const auto& member : shape.memberList()) describeShape(*member, out, indent + "  ");
}

// Everything of the document that a drawing file keeps.
inline std::string describe(Document& document) {
    std::ostringstream out;
    const DocumentProperties& p = document.properties();
    out << "document '" << document.path() << "' '" << document.name() << "' " << p.title << "|"
        << p.subject << "|" << p.creator << "|" << p.manager << "|" << p.company << "|"
        << p.category << "|" << p.keywords << "|" << p.description << " next page "
        << document.nextPageId() << "\n";
    describeSheet(document.documentSheet()->sheet(), out);
    for (Page* page : document.pageList()) {
        out << "page " << page->id() << " '" << page->name() << "'"
            << (page->isBackground() ? " background" : "") << " behind '"
            << (page->backPage() ? page->backPage()->name() : "") << "' next shape "
            << page->nextShapeId() << "\n";
        describeSheet(page->pageSheet()->sheet(), out);
        for (const auto& shape : page->shapeCollection().list()) describeShape(*shape, out, "");
    }
    return out.str();
}

}  // namespace simhost::testing
