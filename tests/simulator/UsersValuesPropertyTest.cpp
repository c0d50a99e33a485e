// Over random Petri nets whose boxes hold whatever a user may type (whole numbers with
// blanks, signs and leading zeros, decimals, words, dates, nothing) and whose capacity
// cells hold formulas: opening the drawing with the add-on, checking it and simulating it leave
// every text and cell as written, and the same net drawn otherwise (its arcs glued end
// first or glued again, its shapes in plain groups nested in each other, some of them
// selected) gets the same findings and the same enabled transitions.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "checker/ConsistencyChecker.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/ShapeSpec.h"
#include "simhost/stencil/PetriStencil.h"
#include "simulator/PetriNetSimulator.h"
#include "tests/simulator/SimulatorNets.h"
#include "tests/simulator/SimulatorTestHost.h"

namespace simtest {
namespace {

using Random = std::mt19937;
using ShapeRef = visio::ComRef<simhost::Shape>;

constexpr uint32_t kSeeds = 16;
// The first entries are what every box and cell may hold; a net with unreadable counts
// draws from all of them.
constexpr size_t kReadableTexts = 5;
const std::vector<std::string> kTexts = {"",    "1",   " 2 ",        "+1",          "01",
                                         "0",   "-1",  "1.5",        "2x",          "3abc",
                                         "1e3", "abc", "08.12.2026", "99999999999", "+"};
// Capacities in a cell, and in a box; the readable first.
constexpr size_t kReadableCapacities = 3;
const std::vector<std::string> kCapacities = {"-1", "3", "1+2", "0", "-2"};
const std::vector<std::string> kCapacityTexts = {"03", " 4 ", "+5", "", "0", "2.5", "x"};

int32_t below(Random& random, size_t count) {
    return std::uniform_int_distribution<int32_t>(0, static_cast<int32_t>(count) - 1)(random);
}

std::string arcName(size_t i) {
    return "a" + std::to_string(i);
}

// What the user wrote, the same in every drawing of the net.
struct Written {
    NetSpec net;
    std::vector<std::string> markings;
    std::vector<std::string> capacities;
    std::vector<bool> capacityInBox;
    std::vector<std::string> weights;
};

Written randomWritten(Random& random) {
    Written w;
    w.net = randomNet(random);
    // Stack places keep their tokens elsewhere than in a box: plain places only.
    for (PlaceSpec& p : w.net.places) p.stack = false;
    w.net.recursion.clear();
    const bool readable = below(random, 2) == 0;
    const size_t texts = readable ? kReadableTexts : kTexts.size();
    const size_t capacities = readable ? kReadableCapacities : kCapacities.size();
    for (size_t i = 0; i < w.net.places.size(); ++i) {
        w.markings.push_back(kTexts[below(random, texts)]);
        w.capacityInBox.push_back(below(random, 2) == 0);
        w.capacities.push_back(
            w.capacityInBox.back()
                ? kCapacityTexts[below(random, readable ? 3 : kCapacityTexts.size())]
                : kCapacities[below(random, capacities)]);
    }
    for (size_t i = 0; i < w.net.arcs.size(); ++i)
        w.weights.push_back(kTexts[below(random, texts)]);
    return w;
}

// How a drawing of the net differs from the plain one: where each shape lies (the page,
// a plain group, a group inside that one), how each arc was glued, what is selected.
struct Drawing {
    std::vector<int32_t> placeGroups, transitionGroups, arcGroups;
    // 0 begin then end, 1 end then begin, 2 begin, end and the begin again.
    std::vector<int32_t> glueOrders;
    std::set<std::string> selected;
};

Drawing plainDrawing(const Written& w) {
    Drawing d;
    d.placeGroups.assign(w.net.places.size(), 0);
    d.transitionGroups.assign(w.net.transitions.size(), 0);
    d.arcGroups.assign(w.net.arcs.size(), 0);
    d.glueOrders.assign(w.net.arcs.size(), 0);
    return d;
}

Drawing otherDrawing(const Written& w, Random& random) {
    Drawing d = plainDrawing(w);
    for (auto* groups : {&d.placeGroups, &d.transitionGroups, &d.arcGroups})
        for (int32_t& g : *groups) g = below(random, 3);
    for (int32_t& order : d.glueOrders) order = below(random, 3);
    // The user clicks one place, whose empty boxes then show their prompts, or an arc.
    const int32_t pick = below(random, w.net.places.size() + w.net.arcs.size() + 1);
    if (pick < static_cast<int32_t>(w.net.places.size())) {
        d.selected.insert(w.net.places[pick].name);
    } else if (pick < static_cast<int32_t>(w.net.places.size() + w.net.arcs.size())) {
        d.selected.insert(arcName(pick - w.net.places.size()));
    }
    return d;
}

// Draws the net as drawNet lays it out, with the user's texts and the drawing's choices;
// answers every element by its name. Both groups span the page from its origin, so that
// their members lie where the page puts them.
std::map<std::string, ShapeRef> draw(simhost::Host& host, simhost::Page& page, const Written& w,
                                     const Drawing& d) {
    using namespace simhost::stencil;
    ShapeRef outer =
        page.addShape(simhost::ShapeSpec::group(20, 20, 40, 40)
                          .member(simhost::ShapeSpec::group(20, 20, 40, 40)
                                      .member(simhost::ShapeSpec::box(39, 39, 0.5, 0.5))));
    simhost::Shape* groups[] = {nullptr, outer.get(), outer->memberList()[0].get()};
    std::map<std::string, ShapeRef> shapes;
    std::map<std::string, StencilOptions> where;
    for (size_t i = 0; i < w.net.places.size(); ++i) {
        const PlaceSpec& p = w.net.places[i];
        StencilOptions options = StencilOptions::at(2.0 * i, 1, p.name);
        options.capacity = w.capacities[i];
        if (w.capacityInBox[i]) options.capacityIn = ValueIn::TextBox;
        options.markingIn = ValueIn::TextBox;
        options.marking = w.markings[i];
        options.group = groups[d.placeGroups[i]];
        shapes[p.name] = dropPlace(page, options);
        where[p.name] = options;
    }
    for (size_t i = 0; i < w.net.transitions.size(); ++i) {
        const std::string& t = w.net.transitions[i];
        where[t] = StencilOptions::at(2.0 * i, 5, t);
        where[t].group = groups[d.transitionGroups[i]];
        shapes[t] = dropTransition(page, where[t]);
    }
    for (size_t i = 0; i < w.net.arcs.size(); ++i) {
        const ArcSpec& a = w.net.arcs[i];
        const std::string& p = w.net.places[a.place].name;
        const std::string& t = w.net.transitions[a.transition];
        simhost::Shape& from = *shapes[a.toTransition ? p : t];
        simhost::Shape& to = *shapes[a.toTransition ? t : p];
        StencilOptions options;
        options.text = arcName(i);
        options.begin = where[a.toTransition ? p : t].pin;
        options.end = where[a.toTransition ? t : p].pin;
        options.begin.x += a.toTransition ? 0.2 : -0.2;
        options.end.x += a.toTransition ? 0.2 : -0.2;
        options.weight = w.weights[i];
        options.group = groups[d.arcGroups[i]];
        ShapeRef arc = dropArc(page, options);
        if (d.glueOrders[i] == 1) host.glueToShape(*arc, visio::visEnd, to);
        host.glueToShape(*arc, visio::visBegin, from);
        host.glueToShape(*arc, visio::visEnd, to);
        if (d.glueOrders[i] == 2) host.glueToShape(*arc, visio::visBegin, from);
        shapes[arcName(i)] = arc;
    }
    return shapes;
}

// The first line where the drawing differs from the drawing as written; empty when none.
std::string firstDifference(const std::string& drawing, const std::string& written) {
    std::istringstream a(drawing), b(written);
    std::string x, y;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(a, x));
        if (more != static_cast<bool>(std::getline(b, y)) || (more && x != y))
            return "line " + std::to_string(line) + ": \"" + x + "\" written \"" + y + "\"";
        if (!more) return std::string();
    }
}

void collectRed(simhost::Shape& shape, const std::string& key, std::set<std::string>& red) {
    if (shape.formula("LineColor").find("GUARD(2)") != std::string::npos ||
        shape.formula("Char.Color").find("GUARD(2)") != std::string::npos)
        red.insert(key);
    const auto members = shape.memberList();
    for (size_t i = 0; i < members.size(); ++i)
        collectRed(*members[i], key + "." + std::to_string(i), red);
}

// What the tools make of a drawing of the net: the findings (each element's shape or part
// the check paints red, by the element's name) and the transitions the simulation shows
// enabled ("refused" when it refuses the net).
struct Outcome {
    std::set<std::string> findings;
    std::set<std::string> enabled;
};

Outcome play(const Written& w, const Drawing& d) {
    simhost::Host plain;
    auto written = plain.openDocument(
        "/nets/net.vsd", [&](simhost::Document& doc) { draw(plain, *doc.page(1), w, d); });
    const std::string asWritten = SimulatorTestHost::drawingOf(*written);

    SimulatorTestHost env;
    std::map<std::string, ShapeRef> shapes;
    auto document = env.open("/nets/net.vsd",
                             [&](simhost::Page& page) { shapes = draw(env.host, page, w, d); });
    EXPECT_EQ(firstDifference(SimulatorTestHost::drawingOf(*document), asWritten), "") << "opening";
    std::vector<simhost::Shape*> selection;
    for (const std::string& name : d.selected) selection.push_back(shapes.at(name).get());
    if (!selection.empty()) env.host.selectOnly(selection);
    env.host.pump();

    Outcome outcome;
    EXPECT_TRUE(env.press(ConsistencyChecker::kStartTag));
    for (const auto& [name, shape] : shapes) collectRed(*shape, name, outcome.findings);
    EXPECT_TRUE(env.press(ConsistencyChecker::kStopTag));
    EXPECT_TRUE(env.press(PetriNetSimulator::kTag));
    if (env.simulator().isSimulating()) {
        for (const std::string& t : w.net.transitions) {
            if (shapes.at(t)->formula("LineColor").find("RGB(0,255,0)") != std::string::npos)
                outcome.enabled.insert(t);
        }
        EXPECT_TRUE(env.press(PetriNetSimulator::kTag));
    } else {
        outcome.enabled.insert("refused");
    }
    env.host.deselectAll();
    env.host.pump();
    EXPECT_EQ(firstDifference(SimulatorTestHost::drawingOf(*document), asWritten), "")
        << "checking and simulating";
    return outcome;
}

TEST(UsersValuesProperty, ReadingKeepsWhatTheUserWroteAndAnswersAlikeHoweverItIsDrawn) {
    for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
        Random random(seed);
        const Written w = randomWritten(random);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + w.net.describe());
        const Outcome plainOutcome = play(w, plainDrawing(w));
        const Outcome other = play(w, otherDrawing(w, random));
        EXPECT_EQ(other.findings, plainOutcome.findings);
        EXPECT_EQ(other.enabled, plainOutcome.enabled);
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace simtest
