// A diagram model assembled by hand over shapes of the stand-in host: each element
// gets a shape placed where the test says; build then reads the page as a diagram
// model does, registering the shapes in the saved-formula index (which saves their
// formulas of the tables' cells) and building the adjacency matrix. Rules and the cell guard read
// it through ModelInputs, the same view a test takes of a model read from a page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CellAddressTable.h"
#include "model/GEAdjacencyMatrix.h"
#include "model/GEElementSet.h"
#include "model/SavedFormulaIndex.h"
#include "platform/visio/VShapes.h"
#include "simhost/host/Host.h"

class CCRule;
class GEArc;
class GEConnection;
class GEGraphElement;
class GEPlace;
class GEWeightedConnection;

// What a rule's check and the cell guard take from a diagram model.
struct ModelInputs {
    GEElementSet* active = nullptr;
    GEElementSet* passive = nullptr;
    GEElementSet* arcs = nullptr;
    GEElementSet* otherShapes = nullptr;
    GEAdjacencyMatrix* matrix = nullptr;
    const SavedFormulaIndex* index = nullptr;
};

// Runs the rule on the model and answers its findings.
std::vector<uint32_t> findingsOf(CCRule& rule, const ModelInputs& model);

class HandModel {
public:
    // Connection states: directed, both directions, none.
    enum State { Directed = 0, BothWays = 1, Undirected = 2 };
    // Where a place keeps its capacity and marking.
    enum Values { InCells, InTextBoxes };

    HandModel(simhost::Host& host, simhost::Page& page);
    ~HandModel();
    HandModel(const HandModel&) = delete;
    HandModel& operator=(const HandModel&) = delete;

    // The tables whose cells build saves for every shape.
    void setTables(const CellAddressTableMap* tables) { index_.setTables(tables); }

    // 2-D elements: boxes of 1 x 1 inch centred on (x, y) unless a size is given.
    GEGraphElement* active(double x, double y, const std::string& name = std::string(),
                           double size = 1);
    GEGraphElement* passive(double x, double y, const std::string& name = std::string(),
                            double size = 1);
    GEPlace* place(double x, double y, int32_t capacity, int32_t marking, Values values = InCells);
    GEPlace* stackPlace(double x, double y);
    GEGraphElement* other(double x, double y);
    // A connector piece from (x1, y1) to (x2, y2); a weighted one may show its weight in
    // a text box of its own.
    GEConnection* piece(double x1, double y1, double x2, double y2, State state = Directed);
    GEWeightedConnection* weightedPiece(double x1, double y1, double x2, double y2,
                                        State state = Directed, bool weightBox = false);
    GEArc* arc(GEGraphElement* begin, std::vector<GEConnection*> pieces, GEGraphElement* end,
               int32_t weight = 1);

    // Registers the shapes and fills the adjacency matrix; call once every shape is
    // placed and its formulas are set.
    void build();
    ModelInputs inputs();
    visio::VShapes pageShapes() const;
    simhost::Shape* shape(int32_t id) const;

    GEElementSet& activeSet() { return active_; }
    GEElementSet& passiveSet() { return passive_; }
    GEElementSet& arcSet() { return arcs_; }
    GEElementSet& otherSet() { return others_; }

private:
    visio::ComRef<simhost::Shape> add(const simhost::ShapeSpec& spec);
    GEGraphElement* box(GEElementSet& set, double x, double y, const std::string& name,
                        double size);
    void registerShape(simhost::Shape& shape);
    void registerGroup(simhost::Shape& group);

    struct Pending {
        visio::ComRef<simhost::Shape> shape;
        bool group = false;
    };

    simhost::Host& host_;
    simhost::Page& page_;
    GEElementSet active_;
    GEElementSet passive_;
    GEElementSet arcs_;
    GEElementSet others_;
    GEElementSet connections_;
    SavedFormulaIndex index_;
    GEAdjacencyMatrix matrix_;
    std::vector<Pending> unread_;
};
