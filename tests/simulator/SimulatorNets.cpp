#include "tests/simulator/SimulatorNets.h"

#include <sstream>

#include "model/GEArc.h"
#include "model/GEPlace.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/PetriStencil.h"
#include "simulator/FiringEngine.h"
#include "simulator/InitialMarkingBuilder.h"
#include "simulator/Marking.h"
#include "simulator/SimulationShapeDisplay.h"
#include "simulator/SimulatorCells.h"

namespace simtest {
namespace {

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> list;
    for (std::string word; in >> word;) list.push_back(word);
    return list;
}

const std::string& nameOf(const PlaceSpec& place) {
    return place.name;
}
const std::string& nameOf(const std::string& name) {
    return name;
}

template <class Named>
int32_t indexOf(const std::vector<Named>& list, const std::string& name) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (nameOf(list[i]) == name) return static_cast<int32_t>(i);
    }
    return -1;
}

PlaceSpec parsePlace(const std::string& word) {
    PlaceSpec place;
    const size_t equals = word.find('=');
    place.name = word.substr(0, equals);
    if (!place.name.empty() && place.name.back() == '*') {
        place.stack = true;
        place.name.pop_back();
    }
    if (equals == std::string::npos) return place;
    const std::string values = word.substr(equals + 1);
    const size_t slash = values.find('/');
    place.tokens = std::stoi(values.substr(0, slash));
    if (slash != std::string::npos) place.capacity = std::stoi(values.substr(slash + 1));
    return place;
}

}  // namespace

simhost::stencil::StencilOptions at(double x, double y, const std::string& name) {
    return simhost::stencil::StencilOptions::at(x, y, name);
}

int32_t uniform(std::mt19937& random, int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
}

std::string NetSpec::describe() const {
    std::ostringstream out;
    out << "places:";
    for (const PlaceSpec& p : places) {
        out << ' ' << p.name << (p.stack ? "*" : "") << '=' << p.tokens;
        if (p.capacity != -1) out << '/' << p.capacity;
    }
    out << "\ntransitions:";
    for (const std::string& t : transitions) out << ' ' << t;
    out << "\narcs:";
    for (const ArcSpec& a : arcs) {
        const std::string& p = places[a.place].name;
        const std::string& t = transitions[a.transition];
        out << ' ' << (a.toTransition ? p + ">" + t : t + ">" + p);
        if (a.weight != 1) out << ':' << a.weight;
    }
    out << "\nrecursion:";
    for (int32_t s : recursion) out << ' ' << places[s].name;
    return out.str();
}

NetSpec parseNet(const std::string& places, const std::string& transitions, const std::string& arcs,
                 const std::string& recursion) {
    NetSpec net;
    for (const std::string& word : words(places)) net.places.push_back(parsePlace(word));
    net.transitions = words(transitions);
    for (const std::string& word : words(arcs)) {
        const size_t arrow = word.find('>');
        const size_t colon = word.find(':');
        const std::string from = word.substr(0, arrow);
        const std::string to = word.substr(arrow + 1, colon - arrow - 1);
        ArcSpec arc;
        arc.toTransition = indexOf(net.places, from) >= 0;
        arc.place = indexOf(net.places, arc.toTransition ? from : to);
        arc.transition = indexOf(net.transitions, arc.toTransition ? to : from);
        if (colon != std::string::npos) arc.weight = std::stoi(word.substr(colon + 1));
        net.arcs.push_back(arc);
    }
    for (const std::string& word : words(recursion))
        net.recursion.push_back(indexOf(net.places, word));
    return net;
}

NetSpec randomNet(std::mt19937& random) {
    NetSpec net;
    std::vector<int32_t> stackPlaces;
    const int32_t placeCount = uniform(random, 1, 6);
    for (int32_t i = 0; i < placeCount; ++i) {
        PlaceSpec p;
        p.stack = uniform(random, 0, 3) == 0;
        p.name = (p.stack ? "s" : "p") + std::to_string(i);
        p.capacity = uniform(random, 0, 2) == 0 ? -1 : uniform(random, 1, 4);
        // Now and then a place over its capacity, as a hand-made marking may hold.
        const int32_t most = p.capacity == -1 ? 3 : p.capacity + (uniform(random, 0, 9) == 0);
        p.tokens = uniform(random, 0, most);
        if (p.stack) stackPlaces.push_back(i);
        net.places.push_back(p);
    }
    const int32_t transitionCount = uniform(random, 1, 5);
    for (int32_t i = 0; i < transitionCount; ++i)
        net.transitions.push_back("t" + std::to_string(i));
    const int32_t arcCount = uniform(random, 0, 3 * transitionCount);
    for (int32_t i = 0; i < arcCount; ++i) {
        ArcSpec arc{uniform(random, 0, placeCount - 1), uniform(random, 0, transitionCount - 1),
                    uniform(random, 1, 3), uniform(random, 0, 1) == 0};
        net.arcs.push_back(arc);
        // A read-back pair: the same place written back, often by another weight.
        if (uniform(random, 0, 3) == 0) {
            arc.toTransition = !arc.toTransition;
            arc.weight = uniform(random, 1, 3);
            net.arcs.push_back(arc);
        }
    }
    // A run that has entered stack places already.
    for (int32_t depth = uniform(random, 0, 2); depth > 0 && !stackPlaces.empty(); --depth)
        net.recursion.push_back(stackPlaces[uniform(random, 0, stackPlaces.size() - 1)]);
    return net;
}

std::map<std::string, visio::ComRef<simhost::Shape>> drawNet(simhost::Host& host,
                                                             simhost::Page& page,
                                                             const NetSpec& net) {
    using simhost::stencil::StencilOptions;
    std::map<std::string, visio::ComRef<simhost::Shape>> shapes;
    std::map<std::string, StencilOptions> where;
    for (size_t i = 0; i < net.places.size(); ++i) {
        const PlaceSpec& p = net.places[i];
        StencilOptions options = at(2.0 * i, 1, p.name);
        options.capacity = std::to_string(p.capacity);
        options.markingIn = simhost::stencil::ValueIn::TextBox;
        options.marking = std::to_string(p.tokens);
        shapes[p.name] = p.stack ? simhost::stencil::dropStackPlace(page, options)
                                 : simhost::stencil::dropPlace(page, options);
        where[p.name] = options;
    }
    for (size_t i = 0; i < net.transitions.size(); ++i) {
        where[net.transitions[i]] = at(2.0 * i, 5, net.transitions[i]);
        shapes[net.transitions[i]] =
            simhost::stencil::dropTransition(page, where[net.transitions[i]]);
    }
    for (const ArcSpec& a : net.arcs) {
        const std::string& p = net.places[a.place].name;
        const std::string& t = net.transitions[a.transition];
        const std::string& from = a.toTransition ? p : t;
        const std::string& to = a.toTransition ? t : p;
        StencilOptions options;
        options.begin = where[from].pin;
        options.end = where[to].pin;
        options.begin.x += a.toTransition ? 0.2 : -0.2;
        options.end.x += a.toTransition ? 0.2 : -0.2;
        options.weight = a.weight == 1 ? "" : std::to_string(a.weight);
        visio::ComRef<simhost::Shape> arc = simhost::stencil::dropArc(page, options);
        host.glueToShape(*arc, visio::visBegin, *shapes[from]);
        host.glueToShape(*arc, visio::visEnd, *shapes[to]);
    }
    return shapes;
}

HandNet::HandNet(const NetSpec& spec) {
    for (size_t i = 0; i < spec.places.size(); ++i) {
        const PlaceSpec& p = spec.places[i];
        auto* place = new GEPlace;
        place->setID(static_cast<int32_t>(1 + i));
        place->setIdentifier(p.name);
        place->setMarking(p.tokens);
        place->setCapacity(p.capacity);
        if (p.stack) place->setStackPlace();
        placeSet_.insert(place);
        places_.push_back(place);
    }
    for (size_t i = 0; i < spec.transitions.size(); ++i) {
        auto* transition = new GEGraphElement;
        transition->setID(static_cast<int32_t>(101 + i));
        transition->setIdentifier(spec.transitions[i]);
        transitionSet_.insert(transition);
        transitions_.push_back(transition);
    }
    for (const ArcSpec& a : spec.arcs) {
        GEGraphElement* p = places_[a.place];
        GEGraphElement* t = transitions_[a.transition];
        auto* arc = a.toTransition ? new GEArc(p, {}, t) : new GEArc(t, {}, p);
        arc->setWeight(a.weight);
        arcSet_.insert(arc);
    }
    engine_ = std::make_unique<FiringEngine>(&arcSet_, &transitionSet_);
    std::unique_ptr<Marking> initial = InitialMarkingBuilder().buildInitialMarking(&placeSet_);
    for (int32_t s : spec.recursion) initial->pushRecursion(places_[s]);
    engine_->pushMarking(std::move(initial));
}

HandNet::~HandNet() {
    engine_.reset();
    arcSet_.destroyElements();
    transitionSet_.destroyElements();
    placeSet_.destroyElements();
}

GEGraphElement* HandNet::transition(const std::string& name) const {
    for (GEGraphElement* t : transitions_) {
        if (t->getIdentifier() == name) return t;
    }
    return nullptr;
}

std::vector<GEGraphElement*> HandNet::transitions(const std::string& names) const {
    std::vector<GEGraphElement*> list;
    for (const std::string& name : words(names)) list.push_back(transition(name));
    return list;
}

DisplayedPage::DisplayedPage(const visio::VShapes& pageShapes, Showing showing) {
    const bool asAlways = showing == Showing::AsAlways;
    addSimulatorCells(written_, outlines_);
    addSimulatorCells(all_, all_);
    holder_.setType("QAV-Petri_net");
    holder_.setReadingMode(asAlways ? ReadingMode::OneByOne : ReadingMode::Batched);
    holder_.createModel(pageShapes, simulatorTables(&written_, &outlines_),
                        asAlways ? FormulaScope::EveryShape : FormulaScope::SimulatedPage);
    const SimulationShapeDisplay::Writing writing = asAlways
                                                        ? SimulationShapeDisplay::Writing::OneByOne
                                                        : SimulationShapeDisplay::Writing::Batched;
    initial_ = InitialMarkingBuilder().buildInitialMarking(holder_.getPassive());
    display_ = std::make_unique<SimulationShapeDisplay>(pageShapes, holder_.getActive(),
                                                        holder_.getPassive(), holder_.getArcs(),
                                                        holder_.getSavedFormulaIndex(), writing);
}

DisplayedPage::~DisplayedPage() {
    display_.reset();
    initial_.reset();
    holder_.deleteModel();
}

std::string namesOf(const std::vector<GEGraphElement*>& elements) {
    std::string names;
    for (const GEGraphElement* e : elements)
        names += (names.empty() ? "" : " ") + e->getIdentifier();
    return names;
}

std::string namesOf(const std::vector<GEPlace*>& places) {
    return namesOf(std::vector<GEGraphElement*>(places.begin(), places.end()));
}

std::string stateOf(const Marking& marking) {
    std::string state;
    for (GEPlace* p = marking.first(); p != marking.end(); p = marking.next())
        state += p->getIdentifier() + "=" + std::to_string(marking.tokens(p)) + " ";
    state += "|";
    for (const GEPlace* s : marking.getRecursionStack()) state += " " + s->getIdentifier();
    return state;
}

}  // namespace simtest
