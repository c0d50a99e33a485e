#include "simhost/file/ShapeDefaults.h"

#include "platform/visio/VisioConstants.h"
#include "simhost/host/FormulaCache.h"
#include "simhost/host/Shape.h"

namespace simhost {

bool ShapeDefaults::kindOf(int16_t type, bool oneD, SheetKind* kind) {
    switch (type) {
        case visio::visTypeShape:
            *kind = oneD ? SheetKind::Line : SheetKind::Box;
            return true;
        case visio::visTypeGroup:
            *kind = oneD ? SheetKind::LineGroup : SheetKind::Group;
            return true;
        case visio::visTypeForeignObject:
            *kind = SheetKind::Picture;
            return !oneD;
        default:
            return false;
    }
}

ShapeSheet ShapeDefaults::sheetOf(SheetKind kind, bool master, FormulaCache& cache) {
    ShapeSheet sheet;
    DefaultCells::apply(sheet, kind, master, cache);
    if (kind == SheetKind::Box) DefaultCells::addRectangle(sheet, master, cache);
    if (kind == SheetKind::Line) DefaultCells::addLine(sheet, master, cache);
    return sheet;
}

}  // namespace simhost
