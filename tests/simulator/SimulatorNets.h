// Petri nets for the simulator's tests: a plain description (written compactly or made
// up at random) and the model elements built from it by hand.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/CellAddressTable.h"
#include "model/DiagramTypeHolder.h"
#include "model/GEElementSet.h"
#include "platform/visio/ComRef.h"
#include "platform/visio/VShapes.h"
#include "simhost/stencil/StencilOptions.h"
#include "simulator/SimulationShapeDisplay.h"

class FiringEngine;
class GEGraphElement;
class GEPlace;
class Marking;

namespace simhost {
class Host;
class Page;
class Shape;
}  // namespace simhost

namespace simtest {

struct PlaceSpec {
    std::string name;
    int32_t tokens = 0;
    int32_t capacity = -1;
    bool stack = false;
};

// An arc between a place and a transition (indexes into the net's lists).
struct ArcSpec {
    int32_t place = 0;
    int32_t transition = 0;
    int32_t weight = 1;
    bool toTransition = true;
};

struct NetSpec {
    std::vector<PlaceSpec> places;
    std::vector<std::string> transitions;
    std::vector<ArcSpec> arcs;
    // Stack places on the initial recursion stack, bottom first.
    std::vector<int32_t> recursion;

    // The net in the notation parseNet reads.
    std::string describe() const;
};

// Places "p=1 q=0/3 s*=1": name, "*" for a stack place, tokens, "/" and capacity
// (unlimited without); transitions "t u"; arcs "p>t t>q:2" in arc-set order, with
// weights; the recursion stack "s s", bottom first.
NetSpec parseNet(const std::string& places, const std::string& transitions, const std::string& arcs,
                 const std::string& recursion = "");

// Up to six places (a few of them stack places, capacities unlimited or small, now and
// then one token over) and five transitions; arcs of weight 1 to 3 either way, read-back
// pairs, parallel arcs, transitions without arcs; a recursion stack of up to two entries.
NetSpec randomNet(std::mt19937& random);

// Draws the net from the stand-in masters: places in a row (marking and capacity in text
// boxes, named by their names), transitions in a row above them, each arc glued from
// centre to centre (the two arcs of a read-back pair side by side). Answers the shapes
// by name.
std::map<std::string, visio::ComRef<simhost::Shape>> drawNet(simhost::Host& host,
                                                             simhost::Page& page,
                                                             const NetSpec& net);

// The net's elements as a diagram model holds them: places keyed 1, 2, ...,
// transitions 101, 102, ..., arcs in the given order; and an engine over them with the
// initial marking pushed.
class HandNet {
public:
    explicit HandNet(const NetSpec& spec);
    ~HandNet();
    HandNet(const HandNet&) = delete;
    HandNet& operator=(const HandNet&) = delete;

    FiringEngine& engine() { return *engine_; }
    GEPlace* place(int32_t index) const { return places_[index]; }
    GEGraphElement* transition(int32_t index) const { return transitions_[index]; }
    GEGraphElement* transition(const std::string& name) const;
    std::vector<GEGraphElement*> transitions(const std::string& names) const;

private:
    GEElementSet placeSet_;
    GEElementSet transitionSet_;
    GEElementSet arcSet_;
    std::vector<GEPlace*> places_;
    std::vector<GEGraphElement*> transitions_;
    std::unique_ptr<FiringEngine> engine_;
};

// A page read as the simulator reads it when it enters, with the cells it names: the
// protection cells, written "1" while the simulation runs, and with them the line's
// colour and weight. The display over the page is made and nothing is shown yet.
class DisplayedPage {
public:
    // As the simulator reads and shows a page; or as the display always did, the
    // reference the batched display is compared with: every cell of both tables saved for
    // every shape of the page, read cell by cell, and every step written one by one.
    enum class Showing { Batched, AsAlways };

    explicit DisplayedPage(const visio::VShapes& pageShapes, Showing showing = Showing::Batched);
    ~DisplayedPage();
    DisplayedPage(const DisplayedPage&) = delete;
    DisplayedPage& operator=(const DisplayedPage&) = delete;

    SimulationShapeDisplay& display() { return *display_; }
    DiagramTypeHolder& holder() { return holder_; }
    const CellAddressTable& writtenCells() const { return written_; }
    // Every address of either table.
    const CellAddressTable& savedCells() const { return all_; }
    const Marking& initialMarking() const { return *initial_; }

private:
    CellAddressTable written_;
    CellAddressTable outlines_;
    CellAddressTable all_;
    DiagramTypeHolder holder_;
    std::unique_ptr<Marking> initial_;
    std::unique_ptr<SimulationShapeDisplay> display_;
};

// A master's drop options with its pin at (x, y) and its text.
simhost::stencil::StencilOptions at(double x, double y, const std::string& name);
// A number from low to high, both included.
int32_t uniform(std::mt19937& random, int32_t low, int32_t high);

// Identifiers joined by blanks, in list order.
std::string namesOf(const std::vector<GEGraphElement*>& elements);
std::string namesOf(const std::vector<GEPlace*>& places);
// "p=1 q=0 | s" : each place's tokens in walk order, then the recursion stack.
std::string stateOf(const Marking& marking);

}  // namespace simtest
