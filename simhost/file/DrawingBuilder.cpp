#include "simhost/file/DrawingBuilder.h"

#include "simhost/host/Application.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Pages.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace simhost {

void DrawingBuilder::fill(Document& document, DrawingData drawing) {
    Application* application = document.application();
    for (Page* page : document.pageList()) document.deletePage(*page);
    document.properties() = drawing.properties;
    document.documentSheet()->sheet() = std::move(drawing.sheet);
    for (PageData& data : drawing.pages) {
        auto page = makeObject<Page>(application, &document, data.id, data.name);
        document.pageCollection().append(page);
        fillPage(*page, data);
    }
    for (const PageData& data : drawing.pages) {
        if (data.backPage.empty()) continue;
        document.pageNamed(data.name)->setBackPageQuietly(document.pageNamed(data.backPage));
    }
    document.setNextPageId(drawing.nextPageId);
}

void DrawingBuilder::fillPage(Page& page, PageData& data) {
    page.setBackgroundQuietly(data.background);
    page.pageSheet()->sheet() = std::move(data.sheet);
    addShapes(page, nullptr, page.shapeCollection(), data.shapes);
    addGlue(page, data.glue);
    page.setNextShapeId(data.nextShapeId);
}

void DrawingBuilder::addShapes(Page& page, Shape* group, Shapes& collection,
                               std::vector<ShapeData>& shapes) {
    for (ShapeData& data : shapes) {
        auto shape = makeObject<Shape>(page.application(), page.document(), &page, data.id,
                                       data.type, data.oneD);
        shape->sheet() = std::move(data.sheet);
        shape->setTextQuietly(data.text);
        shape->setImageBytes(std::move(data.image));
        if (!data.name.empty()) shape->setName(data.name);
        collection.append(shape);
        shape->attach(&collection, group);
        page.enter(*shape);
        addShapes(page, shape.get(), shape->members(), data.members);
    }
}

void DrawingBuilder::addGlue(Page& page, const std::vector<GlueData>& glue) {
    // Straight into both shapes' lists: the connector ends already stand where the glue
    // put them, so the geometry has nothing to do.
    for (const GlueData& g : glue) {
        Shape* from = page.findShape(g.from);
        Shape* to = page.findShape(g.to);
        auto record = makeObject<Connect>(from, g.fromPart, to, g.toPart);
        from->connects().add(record);
        to->fromConnects().add(record);
    }
}

}  // namespace simhost
