// The graph of one page read as one diagram kind: the elements of its shapes, the arcs
// between them, how their shapes lie against each other, and the formulas a client's
// cells held before the client writes its own.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "helpers/FormulaBatchHelpers.h"
#include "helpers/SpatialHelpers.h"
#include "model/CellAddressTable.h"
#include "model/GEAdjacencyMatrix.h"
#include "model/GEElementSet.h"
#include "model/ReadingMode.h"
#include "model/SavedFormulaIndex.h"
#include "model/ShapeAttributes.h"
#include "platform/visio/VShape.h"
#include "platform/visio/VShapes.h"

class ConnectorGlue;
class GEConnection;
class GEGraphElement;

// The base of the block diagram, ER diagram and Petri net models. The attribute record
// decides what each shape is; the derived model turns the shapes it accepts into
// elements. Every other shape is kept as a bare element, and plain groups are searched
// for elements. The model owns every element it makes and deletes them with itself.
//
// Calling order: construct, readShapes (page shapes), analysePage (page shapes); then
// read the sets, the matrix and the index; then delete. A changed page needs a new model.
class DiagramModel {
public:
    // The model keeps its own copy of the map; the tables themselves must outlive it.
    explicit DiagramModel(const CellAddressTableMap& tables);
    virtual ~DiagramModel();
    DiagramModel(const DiagramModel&) = delete;
    DiagramModel& operator=(const DiagramModel&) = delete;

    // How the model reads what it saves; set before readShapes (one by one unless set).
    void setReadingMode(ReadingMode mode);
    // What tools show in boxes for a while, which reading takes past (not owned).
    void setShownBoxTexts(const ShownBoxTexts* texts) { attributes_.setShownBoxTexts(texts); }
    // Reads a page's or a group's shapes, searching plain groups.
    void readShapes(const visio::VShapes& shapes);
    // The same for a page's shapes already walked, with what was read of them.
    void readShapes(std::vector<ShapeFacts> shapes);
    // Builds the adjacency matrix and the arcs.
    virtual void analysePage(const visio::VShapes& shapes);
    // Saves the formulas that batched reading left to be saved, of the scope's shapes;
    // after analysePage, before the client writes a cell.
    void saveFormulas(FormulaScope scope);

    GEElementSet* getActive() { return &active_; }
    GEElementSet* getPassive() { return &passive_; }
    GEElementSet* getArcs() { return &arcs_; }
    GEElementSet* getOtherShapes() { return &otherShapes_; }
    GEElementSet* getConnections() { return &connections_; }
    GEAdjacencyMatrix* getAdjacencyMatrix() { return &adjacencyMatrix_; }
    SavedFormulaIndex* getSavedFormulaIndex() { return &savedFormulaIndex_; }

protected:
    // Takes a shape that the attribute record accepted; the record still describes it.
    virtual void classifyShape(const visio::VShape& shape) = 0;
    // One arc per connection, from the element at its first begin ID to the element at
    // its first end ID.
    virtual void buildArcs();

    // Gives the element the shape's ID and puts it into the set. A set that refuses it
    // (its ID is taken) has it deleted: the answer is then false and the element gone.
    bool addElement(GEGraphElement* element, const visio::VShape& shape, GEElementSet& set);
    // The shape of an element by its ID, as reading found it (fetched from the page when
    // reading did not keep it).
    visio::VShape elementShape(const visio::VShapes& shapes, int32_t id) const;
    ShapeOfID elementShapes(const visio::VShapes& shapes) const;
    // What reading learnt of the elements' shapes: their groups and their IDs.
    KnownShapes knownShapes() const;
    // The line each connection draws: its own shape, or the member that setDrawnLine
    // named for it.
    DrawnLineOf drawnLines(const visio::VShapes& shapes) const;
    void setDrawnLine(int32_t connectionID, const visio::VShape& line);
    std::optional<int32_t> knownID(const visio::VShape& shape) const;

    // A bare element with the record's identifier.
    void readElement(const visio::VShape& shape, GEElementSet& set);
    // The connector reader: glue at both ends, direction from the arrowheads.
    void readConnector(const visio::VShape& shape);
    void readBeginGlue(GEConnection& connection, const visio::VShape& shape);
    void readEndGlue(GEConnection& connection, const visio::VShape& shape);
    void readGlue(GEConnection& connection, const visio::VShape& shape);
    void readDirection(GEConnection& connection, const visio::VShape& shape);
    // A composite shape that stands for a node with two edges: the node (with the
    // record's identifier) from the node sub-shape into the set, the first edge from what
    // is glued at its begin into the node, the second from the node to what is glued at
    // its end; each edge directed by its own arrowheads.
    void readNodeWithEdges(const visio::VShape& node, const visio::VShape& firstEdge,
                           const visio::VShape& secondEdge, GEElementSet& nodeSet);

    ShapeAttributes& attributes() { return attributes_; }

private:
    void readPageShape(const ShapeFacts& shape);
    void readShapesIn(const visio::VShapes& shapes);
    // Batched reading reads the connections' arrowheads and extents once the page is
    // read, in one batch.
    void resolveDirections();
    static void setDirection(GEConnection& connection, bool beginArrow, bool endArrow,
                             const std::function<double()>& height);
    // The element under the ID, searching passive before active; null when neither
    // holds it.
    GEGraphElement* passiveOrActive(int32_t id) const;
    // The ID is an active or a passive element's own.
    bool isNodeID(int32_t id) const;
    void saveElementShapeFormulas();
    void saveSimulatedPageFormulas();
    // The shape's ID, asked once of the shape the attribute record holds.
    int32_t idOf(const visio::VShape& shape);
    ConnectorGlue glueOf(const visio::VShape& shape) const;
    static void readBeginGlue(GEConnection& connection, ConnectorGlue& glue);
    static void readEndGlue(GEConnection& connection, ConnectorGlue& glue);

    CellAddressTableMap tables_;
    GEElementSet active_;
    GEElementSet passive_;
    GEElementSet arcs_;
    GEElementSet otherShapes_;
    GEElementSet connections_;
    SavedFormulaIndex savedFormulaIndex_;
    GEAdjacencyMatrix adjacencyMatrix_;
    ShapeAttributes attributes_;
    // The elements' shapes as read, when reading is batched, with their IDs by object
    // (the shapes are held, so no other can come to stand at the same address) and the
    // group each lies in (empty on the page).
    std::unordered_map<int32_t, visio::VShape> elementShapes_;
    std::unordered_map<const visio::IVShape*, int32_t> idsByObject_;
    std::unordered_map<const visio::IVShape*, visio::VShape> groupOf_;
    // The lines of connections that draw with a member of their shape, with the member's
    // ID where reading knew it.
    struct MemberLine {
        visio::VShape line;
        std::optional<int32_t> id;
    };
    std::unordered_map<int32_t, MemberLine> memberLines_;
    // The plain group being read, empty on the page.
    visio::VShape currentGroup_;
    struct PendingDirection {
        GEConnection* connection;
        visio::VShape shape;
        int32_t shapeID;
    };
    std::vector<PendingDirection> pendingDirections_;
    bool keepShapes_ = false;
};
