#include "simhost/host/ShapeBuilder.h"

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Application.h"
#include "simhost/host/DefaultCells.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/host/Shapes.h"

namespace simhost {
namespace {

int16_t typeOf(ShapeSpec::Kind kind) {
    switch (kind) {
        case ShapeSpec::Kind::Group:
        case ShapeSpec::Kind::LineGroup:
            return visio::visTypeGroup;
        case ShapeSpec::Kind::Picture:
            return visio::visTypeForeignObject;
        default:
            return visio::visTypeShape;
    }
}

SheetKind sheetKindOf(ShapeSpec::Kind kind) {
    switch (kind) {
        case ShapeSpec::Kind::Line:
            return SheetKind::Line;
        case ShapeSpec::Kind::Group:
            return SheetKind::Group;
        case ShapeSpec::Kind::LineGroup:
            return SheetKind::LineGroup;
        case ShapeSpec::Kind::Picture:
            return SheetKind::Picture;
        default:
            return SheetKind::Box;
    }
}

void report(std::string* problems, const std::string& problem) {
    if (!problems) return;
    if (!problems->empty()) *problems += "\n";
    *problems += problem;
}

}  // namespace

void ShapeBuilder::putCell(Shape& shape, const std::string& name, const std::string& formula,
                           bool inherited, std::string* problems) {
    CellAddress address;
    SheetCell* cell = shape.sheet().ensureCell(name, &address, inherited);
    if (!cell) {
        report(problems, "no cell named \"" + name + "\"");
        return;
    }
    std::string text = FormulaCache::storedText(formula);
    std::string error;
    auto expression = shape.application()->formulas().parse(text, &error);
    if (!expression) report(problems, "\"" + formula + "\" in " + name + ": " + error);
    if (inherited) {
        cell->formula = text;
        cell->expression = expression;
        cell->inherited = true;
    } else {
        shape.sheet().setLocal(address, text, expression);
    }
}

void ShapeBuilder::place(Page& page, Shape& shape, Shape* group) {
    simhost::Shapes& collection = group ? group->members() : page.shapeCollection();
    collection.append(visio::ComRef<Shape>(&shape));
    shape.attach(&collection, group);
    page.enter(shape);
}

visio::ComRef<Shape> ShapeBuilder::build(Page& page, const ShapeSpec& spec, Shape* group,
                                         std::string* problems) {
    return build(page, spec, group, spec.isFromMaster() ? Origin::Master : Origin::Own, problems);
}

visio::ComRef<Shape> ShapeBuilder::build(Page& page, const ShapeSpec& spec, Shape* group,
                                         Origin origin, std::string* problems) {
    Application* application = page.application();
    bool oneD = spec.isOneD();
    auto shape = makeObject<Shape>(application, page.document(), &page, page.takeShapeId(),
                                   typeOf(spec.kind()), oneD);
    FormulaCache& cache = application->formulas();
    const bool defaultsInherited = origin != Origin::Own;
    DefaultCells::apply(shape->sheet(), sheetKindOf(spec.kind()), defaultsInherited, cache);
    if (spec.hasGeometry()) {
        if (oneD) {
            DefaultCells::addLine(shape->sheet(), defaultsInherited, cache);
        } else {
            DefaultCells::addRectangle(shape->sheet(), defaultsInherited, cache);
        }
    }
    for (const auto& [name, formula] : spec.inheritedCells())
        putCell(*shape, name, formula, true, problems);
    for (const auto& [name, formula] : spec.cells())
        putCell(*shape, name, formula, origin == Origin::MasterMember, problems);
    shape->setTextQuietly(spec.shapeText());
    shape->setImageBytes(spec.imageBytes());
    if (!spec.shapeName().empty()) shape->setName(page.uniqueName(spec.shapeName(), shape->id()));
    place(page, *shape, group);
    for (const ShapeSpec& member : spec.members()) {
        if (origin == Origin::Own) {
            build(page, member, shape.get(), problems);
        } else {
            build(page, member, shape.get(), Origin::MasterMember, problems);
        }
    }
    return shape;
}

visio::ComRef<Shape> ShapeBuilder::copy(Shape& source, Page& page, Shape* group) {
    auto shape = makeObject<Shape>(page.application(), page.document(), &page, page.takeShapeId(),
                                   source.type(), source.isOneDShape());
    shape->sheet() = source.sheet();
    shape->setTextQuietly(source.text());
    shape->setImageBytes(source.imageBytes());
    if (!source.localName().empty())
        shape->setName(page.uniqueName(source.localName(), shape->id()));
    place(page, *shape, group);
    for (const auto& member : source.memberList()) copy(*member, page, shape.get());
    return shape;
}

}  // namespace simhost
