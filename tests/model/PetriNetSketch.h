// A Petri net's element sets filled by hand, without a page: transitions, places and
// connections with the lists and states a test gives them, for the analysis steps that
// work on the sets alone.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/GEArc.h"
#include "model/GEElementSet.h"
#include "model/GEGraphElement.h"
#include "model/GEPlace.h"
#include "model/GEWeightedConnection.h"
#include "model/PetriNetArcBuilder.h"
#include "model/PetriNetOrientation.h"

class PetriNetSketch {
public:
    enum State { Directed = 0, BothWays = 1, Undirected = 2 };

    PetriNetSketch() = default;
    ~PetriNetSketch() {
        active.destroyElements();
        passive.destroyElements();
        connections.destroyElements();
        arcs.destroyElements();
    }
    PetriNetSketch(const PetriNetSketch&) = delete;
    PetriNetSketch& operator=(const PetriNetSketch&) = delete;

    GEGraphElement* transition(int32_t id) {
        auto* t = new GEGraphElement;
        t->setID(id);
        active.insert(t);
        return t;
    }
    GEPlace* place(int32_t id) {
        auto* p = new GEPlace;
        p->setID(id);
        passive.insert(p);
        return p;
    }
    GEWeightedConnection* piece(int32_t id, std::initializer_list<int32_t> begin,
                                std::initializer_list<int32_t> end, State state = Directed,
                                int32_t weight = 1) {
        auto* c = new GEWeightedConnection;
        c->setID(id);
        for (int32_t b : begin) c->addBeginID(b);
        for (int32_t e : end) c->addEndID(e);
        setState(*c, state);
        c->setWeight(weight);
        connections.insert(c);
        return c;
    }
    GEWeightedConnection* connection(int32_t id) {
        return static_cast<GEWeightedConnection*>(connections.getByID(id));
    }
    static void setState(GEConnection& c, State state) {
        if (state == Directed) c.setState0();
        if (state == BothWays) c.setState1();
        if (state == Undirected) c.setState2();
    }

    void orient() {
        PetriNetOrientation orientation(active, passive, connections);
        orientation.orientAtElements();
        orientation.orientAlongChains();
        orientation.dropSiblingLinks();
    }
    PetriNetArcBuilder arcBuilder() {
        return PetriNetArcBuilder(active, passive, connections, arcs);
    }
    void buildArcs() { arcBuilder().buildArcs(); }

    std::vector<GEArc*> arcList() {
        std::vector<GEArc*> list;
        for (GEGraphElement* e = arcs.getFirst(); e != arcs.end(); e = arcs.getNext()) {
            list.push_back(static_cast<GEArc*>(e));
        }
        return list;
    }
    static std::vector<int32_t> memberIDs(const GEArc& arc) {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < arc.getMemberCount(); ++i) ids.push_back(arc.getMember(i)->getID());
        return ids;
    }
    static int32_t idOf(const GEGraphElement* e) { return e ? e->getID() : 0; }

    GEElementSet active;
    GEElementSet passive;
    GEElementSet connections;
    GEElementSet arcs;
};
