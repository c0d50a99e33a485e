#include "HandModel.h"

#include <cmath>
#include <utility>

#include "checker/CCRule.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/VShape.h"
#include "simhost/host/Shape.h"

using simhost::ShapeSpec;

std::vector<uint32_t> findingsOf(CCRule& rule, const ModelInputs& model) {
    rule.check(model.active, model.passive, model.arcs, model.otherShapes, model.matrix);
    return rule.getFindings();
}

namespace {

visio::VShape wrap(simhost::Shape& shape) {
    return visio::VShape(visio::ComRef<visio::IVShape>(&shape));
}

void setState(GEConnection& connection, HandModel::State state) {
    if (state == HandModel::Directed) connection.setState0();
    if (state == HandModel::BothWays) connection.setState1();
    if (state == HandModel::Undirected) connection.setState2();
}

}  // namespace

HandModel::HandModel(simhost::Host& host, simhost::Page& page) : host_(host), page_(page) {}

HandModel::~HandModel() {
    active_.destroyElements();
    passive_.destroyElements();
    arcs_.destroyElements();
    others_.destroyElements();
    connections_.destroyElements();
}

GEGraphElement* HandModel::active(double x, double y, const std::string& name, double size) {
    return box(active_, x, y, name, size);
}

GEGraphElement* HandModel::passive(double x, double y, const std::string& name, double size) {
    return box(passive_, x, y, name, size);
}

GEPlace* HandModel::place(double x, double y, int32_t capacity, int32_t marking, Values values) {
    auto* place = new GEPlace;
    place->setCapacity(capacity);
    place->setMarking(marking);
    if (values == InCells) {
        auto shape = add(ShapeSpec::box(x, y, 1, 1));
        place->setID(shape->id());
        unread_.push_back({shape, false});
    } else {
        auto group = add(ShapeSpec::group(x, y, 1, 1)
                             .member(ShapeSpec::box(0.5, 0.5, 1, 1).name("outline"))
                             .member(ShapeSpec::box(0.5, 0.8, 0.4, 0.2).text("2"))
                             .member(ShapeSpec::box(0.5, 0.4, 0.4, 0.2).text("0")));
        const auto members = group->memberList();
        place->setID(group->id());
        place->setCapacityShapeID(members[1]->id());
        place->setMarkingShapeID(members[2]->id());
        unread_.push_back({group, true});
    }
    passive_.insert(place);
    return place;
}

GEPlace* HandModel::stackPlace(double x, double y) {
    GEPlace* stack = place(x, y, -1, 0);
    stack->setStackPlace();
    return stack;
}

GEGraphElement* HandModel::other(double x, double y) {
    return box(others_, x, y, std::string(), 1);
}

GEConnection* HandModel::piece(double x1, double y1, double x2, double y2, State state) {
    auto* connection = new GEConnection;
    auto shape = add(ShapeSpec::line(x1, y1, x2, y2));
    connection->setID(shape->id());
    setState(*connection, state);
    unread_.push_back({shape, false});
    connections_.insert(connection);
    return connection;
}

GEWeightedConnection* HandModel::weightedPiece(double x1, double y1, double x2, double y2,
                                               State state, bool weightBox) {
    auto* connection = new GEWeightedConnection;
    setState(*connection, state);
    if (!weightBox) {
        auto shape = add(ShapeSpec::line(x1, y1, x2, y2));
        connection->setID(shape->id());
        unread_.push_back({shape, false});
    } else {
        auto group =
            add(ShapeSpec::lineGroup(x1, y1, x2, y2)
                    .member(ShapeSpec::line(0, 0, std::hypot(x2 - x1, y2 - y1), 0).name("arrow"))
                    .member(ShapeSpec::box(0.5, 0.2, 0.3, 0.2).text("1")));
        connection->setID(group->id());
        connection->setWeightShapeID(group->memberList()[1]->id());
        unread_.push_back({group, true});
    }
    connections_.insert(connection);
    return connection;
}

GEArc* HandModel::arc(GEGraphElement* begin, std::vector<GEConnection*> pieces, GEGraphElement* end,
                      int32_t weight) {
    auto* arc = new GEArc(begin, std::move(pieces), end);
    arc->setWeight(weight);
    arcs_.insert(arc);
    return arc;
}

void HandModel::build() {
    for (const Pending& p : unread_) {
        if (p.group) {
            registerGroup(*p.shape.get());
        } else {
            registerShape(*p.shape.get());
        }
    }
    unread_.clear();
    matrix_.build(pageShapes(), &active_, &passive_, &connections_, &index_);
}

ModelInputs HandModel::inputs() {
    return ModelInputs{&active_, &passive_, &arcs_, &others_, &matrix_, &index_};
}

visio::VShapes HandModel::pageShapes() const {
    return visio::VShapes(page_.Shapes());
}

simhost::Shape* HandModel::shape(int32_t id) const {
    return page_.findShape(id);
}

visio::ComRef<simhost::Shape> HandModel::add(const ShapeSpec& spec) {
    return host_.addShape(page_, spec);
}

GEGraphElement* HandModel::box(GEElementSet& set, double x, double y, const std::string& name,
                               double size) {
    auto* element = new GEGraphElement;
    auto shape = add(ShapeSpec::box(x, y, size, size).text(name));
    element->setID(shape->id());
    element->setIdentifier(name);
    unread_.push_back({shape, false});
    set.insert(element);
    return element;
}

void HandModel::registerShape(simhost::Shape& shape) {
    index_.addShape(shape.id(), wrap(shape));
}

// The group is the element's shape; its members are the parts shown with it.
void HandModel::registerGroup(simhost::Shape& group) {
    index_.beginElement(group.id(), wrap(group));
    for (const auto& member : group.memberList()) registerShape(*member.get());
    index_.endElement();
}
