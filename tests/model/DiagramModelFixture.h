// Pages drawn from the stand-in masters and read into diagram models: where shapes go,
// how connectors are glued, and what the model made of them.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CellAddressTable.h"
#include "model/DiagramModel.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "platform/visio/VisioConstants.h"
#include "tests/model/ShapeAttributesFixture.h"

class DiagramModelFixture : public ShapeAttributesFixture {
protected:
    using ShapeRef = visio::ComRef<simhost::Shape>;
    using Options = simhost::stencil::StencilOptions;

    // A 2-D master centred on (x, y).
    static Options at(double x, double y, const std::string& text = std::string()) {
        Options options;
        options.pin = {x, y};
        options.text = text;
        return options;
    }
    // A 1-D master from (x1, y1) to (x2, y2) with the arrowhead formulas given.
    static Options from(double x1, double y1, double x2, double y2,
                        const std::string& endArrow = "4", const std::string& beginArrow = "0") {
        Options options;
        options.begin = {x1, y1};
        options.end = {x2, y2};
        options.endArrow = endArrow;
        options.beginArrow = beginArrow;
        return options;
    }

    // Glues a connector's begin or end to the whole of the target.
    void glueBegin(simhost::Shape& connector, simhost::Shape& target) {
        host_.glueToShape(connector, visio::visBegin, target);
    }
    void glueEnd(simhost::Shape& connector, simhost::Shape& target) {
        host_.glueToShape(connector, visio::visEnd, target);
    }
    void glueBegin(const ShapeRef& connector, const ShapeRef& target) {
        glueBegin(*connector, *target);
    }
    void glueEnd(const ShapeRef& connector, const ShapeRef& target) {
        glueEnd(*connector, *target);
    }

    // Reads the page as a model of that kind, with the fixture's tables.
    template <class Model>
    std::unique_ptr<Model> readPage() {
        auto model = std::make_unique<Model>(tables);
        model->readShapes(pageShapes());
        model->analysePage(pageShapes());
        return model;
    }

    static std::vector<GEGraphElement*> elementsOf(GEElementSet& set) {
        std::vector<GEGraphElement*> elements;
        for (GEGraphElement* e = set.getFirst(); e != set.end(); e = set.getNext()) {
            elements.push_back(e);
        }
        return elements;
    }
    static std::vector<GEArc*> arcsOf(DiagramModel& model) {
        std::vector<GEArc*> arcs;
        for (GEGraphElement* e : elementsOf(*model.getArcs()))
            arcs.push_back(static_cast<GEArc*>(e));
        return arcs;
    }
    template <class Connection = GEConnection>
    static Connection* connectionOf(DiagramModel& model, const simhost::Shape& shape) {
        return static_cast<Connection*>(model.getConnections()->getByID(shape.id()));
    }
    static std::vector<int32_t> beginIDs(const GEConnection& c) {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < c.getBeginIDsCount(); ++i) ids.push_back(c.getBeginID(i));
        return ids;
    }
    static std::vector<int32_t> endIDs(const GEConnection& c) {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < c.getEndIDsCount(); ++i) ids.push_back(c.getEndID(i));
        return ids;
    }
    static std::vector<int32_t> memberIDs(const GEArc& arc) {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < arc.getMemberCount(); ++i) ids.push_back(arc.getMember(i)->getID());
        return ids;
    }
    // The shape ID of an arc's begin or end; 0 for none.
    static int32_t idOf(const GEGraphElement* element) { return element ? element->getID() : 0; }

    CellAddressTableMap tables;
};
