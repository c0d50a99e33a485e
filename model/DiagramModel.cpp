#include "model/DiagramModel.h"

#include <algorithm>
#include <unordered_set>

#include "helpers/CellHelpers.h"
#include "helpers/ConnectorHelpers.h"
#include "helpers/ShapeHelpers.h"
#include "model/GEArc.h"
#include "model/GEConnection.h"
#include "model/GEGraphElement.h"
#include "model/NotationCellPrefetch.h"
#include "platform/visio/VPage.h"
#include "platform/visio/VisioConstants.h"

DiagramModel::DiagramModel(const CellAddressTableMap& tables) : tables_(tables) {
    savedFormulaIndex_.setTables(&tables_);
    attributes_.setOwner(&savedFormulaIndex_);
}

DiagramModel::~DiagramModel() {
    active_.destroyElements();
    passive_.destroyElements();
    arcs_.destroyElements();
    otherShapes_.destroyElements();
    connections_.destroyElements();
}

void DiagramModel::setReadingMode(ReadingMode mode) {
    savedFormulaIndex_.setReadingMode(mode);
    attributes_.setReadingMode(mode);
    keepShapes_ = mode == ReadingMode::Batched;
    adjacencyMatrix_.setRelationQueries(keepShapes_
                                            ? GEAdjacencyMatrix::RelationQueries::SearchWhereFewer
                                            : GEAdjacencyMatrix::RelationQueries::PerPair);
}

void DiagramModel::readShapes(const visio::VShapes& shapes) {
    readShapesIn(shapes);
    resolveDirections();
}

void DiagramModel::readShapesIn(const visio::VShapes& shapes) {
    const int32_t count = shapes.Count();
    for (int32_t i = 1; i <= count; ++i) {
        readPageShape(ShapeFacts(getShapeByIndex(shapes, i), keepShapes_));
    }
}

// What was read ahead holds until reading writes to a shape: a formula of a shape still
// to be read may refer to what was written, so from then on its cells are read again.
void DiagramModel::readShapes(std::vector<ShapeFacts> shapes) {
    NotationCellPrefetch(attributes_.expectedType()).prefetch(shapes);
    const uint64_t writesBefore = attributes_.writeCount();
    for (ShapeFacts& shape : shapes) {
        if (attributes_.writeCount() != writesBefore) shape.forgetCells();
        readPageShape(shape);
    }
    resolveDirections();
}

void DiagramModel::readPageShape(const ShapeFacts& facts) {
    const visio::VShape& shape = facts.shape();
    if (attributes_.readShape(facts)) {
        classifyShape(shape);
        return;
    }
    const int32_t id = idOf(shape);
    if (!attributes_.shapeHasSubShapes()) {
        addElement(new GEGraphElement, shape, otherShapes_);
        savedFormulaIndex_.addShape(id, shape);
        return;
    }
    // A plain group: its members are registered under it, so that the matrix can see
    // through it to the elements inside.
    savedFormulaIndex_.beginElement(id, shape);
    const visio::VShape outerGroup = currentGroup_;
    currentGroup_ = shape;
    readShapesIn(shape.Shapes());
    currentGroup_ = outerGroup;
    savedFormulaIndex_.endElement();
}

void DiagramModel::analysePage(const visio::VShapes& shapes) {
    adjacencyMatrix_.build(shapes, &active_, &passive_, &connections_, &savedFormulaIndex_,
                           elementShapes(shapes), knownShapes(), drawnLines(shapes));
    buildArcs();
}

namespace {

// The shapes that stand for the set's elements: their own and their text boxes'.
void collectElementShapes(GEElementSet& set, std::unordered_set<int32_t>& ids) {
    for (GEGraphElement* e = set.getFirst(); e != set.end(); e = set.getNext()) {
        for (int32_t i = 0; i < e->getShapesIDsCount(); ++i) {
            if (e->getShapesID(i) > GEGraphElement::UNSET) ids.insert(e->getShapesID(i));
        }
    }
}

}  // namespace

void DiagramModel::saveFormulas(FormulaScope scope) {
    switch (scope) {
        case FormulaScope::EveryShape:
            savedFormulaIndex_.saveRegisteredFormulas();
            return;
        case FormulaScope::ElementShapes:
            saveElementShapeFormulas();
            return;
        case FormulaScope::SimulatedPage:
            saveSimulatedPageFormulas();
            return;
    }
}

void DiagramModel::saveElementShapeFormulas() {
    std::unordered_set<int32_t> ids;
    for (GEElementSet* set : {&active_, &passive_, &connections_, &otherShapes_})
        collectElementShapes(*set, ids);
    // An element's shape among the sub-shapes left for later would go unsaved.
    const bool allRegistered = std::all_of(
        ids.begin(), ids.end(), [this](int32_t id) { return savedFormulaIndex_.isRegistered(id); });
    if (!allRegistered) savedFormulaIndex_.addSubShapesNow();
    savedFormulaIndex_.saveRegisteredFormulas(
        [&](int32_t id, int32_t) { return ids.count(id) != 0; });
}

void DiagramModel::saveSimulatedPageFormulas() {
    savedFormulaIndex_.addSubShapesNow();
    const int32_t firstTable = tables_.empty() ? 0 : tables_.begin()->first;
    savedFormulaIndex_.saveRegisteredFormulas(
        [&](int32_t id, int32_t tableKey) { return tableKey == firstTable || isNodeID(id); });
}

bool DiagramModel::isNodeID(int32_t id) const {
    return active_.getByID(id) != nullptr || passive_.getByID(id) != nullptr;
}

void DiagramModel::buildArcs() {
    for (GEGraphElement* e = connections_.getFirst(); e != connections_.end();
         e = connections_.getNext()) {
        auto* c = static_cast<GEConnection*>(e);
        GEGraphElement* begin =
            c->getBeginIDsCount() > 0 ? passiveOrActive(c->getBeginID(0)) : nullptr;
        GEGraphElement* end = c->getEndIDsCount() > 0 ? passiveOrActive(c->getEndID(0)) : nullptr;
        auto* arc = new GEArc(begin, {c}, end);
        if (!arcs_.insert(arc)) delete arc;
    }
}

bool DiagramModel::addElement(GEGraphElement* element, const visio::VShape& shape,
                              GEElementSet& set) {
    element->setID(idOf(shape));
    if (!set.insert(element)) {
        if (!pendingDirections_.empty() && pendingDirections_.back().connection == element)
            pendingDirections_.pop_back();
        delete element;
        return false;
    }
    if (keepShapes_ && elementShapes_.emplace(element->getID(), shape).second) {
        idsByObject_.emplace(shape.get(), element->getID());
        // A part of a composite shape lies in it; a shape of its own in the group read.
        const bool ownShape = shape.isSameObject(attributes_.shape());
        groupOf_.emplace(shape.get(), ownShape ? currentGroup_ : attributes_.shape());
    }
    return true;
}

std::optional<int32_t> DiagramModel::knownID(const visio::VShape& shape) const {
    auto it = idsByObject_.find(shape.get());
    if (it == idsByObject_.end()) return std::nullopt;
    return it->second;
}

KnownShapes DiagramModel::knownShapes() const {
    KnownShapes known;
    known.idOf = [this](const visio::VShape& shape) { return knownID(shape); };
    known.groupOf = [this](const visio::VShape& shape) -> std::optional<visio::VShape> {
        auto it = groupOf_.find(shape.get());
        if (it == groupOf_.end()) return std::nullopt;
        return it->second;
    };
    return known;
}

DrawnLineOf DiagramModel::drawnLines(const visio::VShapes& shapes) const {
    return [this, shapes, known = knownShapes()](int32_t id) {
        const visio::VShape shape = elementShape(shapes, id);
        auto member = memberLines_.find(id);
        if (member != memberLines_.end())
            return DrawnLine{member->second.line, shape, member->second.id};
        return DrawnLine{shape, known.groupOf(shape), id};
    };
}

// Only while the shape's record is read does it know the member's ID.
void DiagramModel::setDrawnLine(int32_t connectionID, const visio::VShape& line) {
    if (line.isEmpty()) return;
    memberLines_[connectionID] = {line, attributes_.knownID(line)};
}

int32_t DiagramModel::idOf(const visio::VShape& shape) {
    if (shape.isSameObject(attributes_.shape())) return attributes_.shapeID();
    const std::optional<int32_t> known = attributes_.knownID(shape);
    return known ? *known : shape.ID();
}

visio::VShape DiagramModel::elementShape(const visio::VShapes& shapes, int32_t id) const {
    auto it = elementShapes_.find(id);
    return it != elementShapes_.end() ? it->second : getShapeByID(shapes, id);
}

ShapeOfID DiagramModel::elementShapes(const visio::VShapes& shapes) const {
    return [this, shapes](int32_t id) { return elementShape(shapes, id); };
}

void DiagramModel::readElement(const visio::VShape& shape, GEElementSet& set) {
    auto* element = new GEGraphElement;
    element->setIdentifier(attributes_.getIdentifier());
    addElement(element, shape, set);
}

void DiagramModel::readConnector(const visio::VShape& shape) {
    auto* connection = new GEConnection;
    connection->setIdentifier(attributes_.getIdentifier());
    readGlue(*connection, shape);
    readDirection(*connection, shape);
    addElement(connection, shape, connections_);
}

// The glued shapes' IDs as reading found them, where it did.
ConnectorGlue DiagramModel::glueOf(const visio::VShape& shape) const {
    return ConnectorGlue(shape, [this](const visio::VShape& s) { return knownID(s); });
}

void DiagramModel::readBeginGlue(GEConnection& connection, const visio::VShape& shape) {
    ConnectorGlue glue = glueOf(shape);
    readBeginGlue(connection, glue);
}

void DiagramModel::readEndGlue(GEConnection& connection, const visio::VShape& shape) {
    ConnectorGlue glue = glueOf(shape);
    readEndGlue(connection, glue);
}

// Both ends from one reading of the glue records.
void DiagramModel::readGlue(GEConnection& connection, const visio::VShape& shape) {
    ConnectorGlue glue = glueOf(shape);
    readBeginGlue(connection, glue);
    readEndGlue(connection, glue);
}

// Each end is read from the glue record that glues it: the records come in the order
// the ends were glued, which says nothing of which end they hold.
void DiagramModel::readBeginGlue(GEConnection& connection, ConnectorGlue& glue) {
    if (const auto id = glue.shapeIDGluedAt(visio::visBegin)) connection.addBeginID(*id);
}

void DiagramModel::readEndGlue(GEConnection& connection, ConnectorGlue& glue) {
    if (const auto id = glue.shapeIDGluedAt(visio::visEnd)) connection.addEndID(*id);
}

// An arrowhead only at the begin point turns the connection round; none at all leaves it
// without direction, turned round when the shape is drawn with a positive height.
void DiagramModel::readDirection(GEConnection& connection, const visio::VShape& shape) {
    if (keepShapes_ && !shape.isEmpty()) {
        pendingDirections_.push_back({&connection, shape, idOf(shape)});
        return;
    }
    const bool beginArrow = getCellResult(shape, "BeginArrow") != 0;
    const bool endArrow = getCellResult(shape, "EndArrow") != 0;
    setDirection(connection, beginArrow, endArrow,
                 [&shape] { return getCellResult(shape, "Height"); });
}

void DiagramModel::resolveDirections() {
    if (pendingDirections_.empty()) return;
    std::vector<FormulaBatchKey> cells;
    ShapesByID shapeOf;
    for (const PendingDirection& p : pendingDirections_) {
        cells.push_back(
            {p.shapeID, visio::visSectionObject, visio::visRowLine, visio::visLineBeginArrow});
        cells.push_back(
            {p.shapeID, visio::visSectionObject, visio::visRowLine, visio::visLineEndArrow});
        cells.push_back(
            {p.shapeID, visio::visSectionObject, visio::visRowXFormOut, visio::visXFormHeight});
        shapeOf.emplace(p.shapeID, p.shape);
    }
    const std::vector<double> values =
        getResultsBatch(pendingDirections_.front().shape.ContainingPage(), cells, shapeIn(shapeOf));
    for (std::size_t i = 0; i < pendingDirections_.size(); ++i) {
        const double height = values[3 * i + 2];
        setDirection(*pendingDirections_[i].connection, values[3 * i] != 0, values[3 * i + 1] != 0,
                     [height] { return height; });
    }
    pendingDirections_.clear();
}

void DiagramModel::setDirection(GEConnection& connection, bool beginArrow, bool endArrow,
                                const std::function<double()>& height) {
    if (beginArrow && endArrow) {
        connection.setState1();
    } else if (endArrow) {
        connection.setState0();
    } else if (beginArrow) {
        connection.setState0();
        connection.reverse();
    } else {
        connection.setState2();
        if (height() > 0) connection.reverse();
    }
}

void DiagramModel::readNodeWithEdges(const visio::VShape& node, const visio::VShape& firstEdge,
                                     const visio::VShape& secondEdge, GEElementSet& nodeSet) {
    const int32_t nodeID = node.ID();
    readElement(node, nodeSet);

    auto* first = new GEConnection;
    readBeginGlue(*first, firstEdge);
    first->addEndID(nodeID);
    readDirection(*first, firstEdge);
    addElement(first, firstEdge, connections_);

    auto* second = new GEConnection;
    readEndGlue(*second, secondEdge);
    second->addBeginID(nodeID);
    readDirection(*second, secondEdge);
    addElement(second, secondEdge, connections_);
}

GEGraphElement* DiagramModel::passiveOrActive(int32_t id) const {
    if (GEGraphElement* e = passive_.getByID(id)) return e;
    return active_.getByID(id);
}
