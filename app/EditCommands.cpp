#include "app/EditCommands.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "app/ShapeMasters.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/formula/Formula.h"
#include "simhost/geometry/Glue.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/BlockStencil.h"
#include "simhost/stencil/ERStencil.h"
#include "simhost/stencil/PetriStencil.h"
#include "simhost/stencil/TitleBlockStencil.h"

namespace runner {
namespace {

using simhost::Shape;
using simhost::stencil::StencilOptions;
using Drop = visio::ComRef<Shape> (*)(simhost::Page&, const StencilOptions&, std::string*);

struct Master {
    Drop drop;
    bool oneD;
};

// The notation's masters by the name "drop" takes.
const std::map<std::string, Master>& masters() {
    using namespace simhost::stencil;
    static const std::map<std::string, Master> all = {
        {"place", {dropPlace, false}},
        {"transition", {dropTransition, false}},
        {"arc", {dropArc, true}},
        {"start-end-place", {dropStartEndPlace, false}},
        {"connection-place", {dropConnectionPlace, false}},
        {"stack-place", {dropStackPlace, false}},
        {"block-active", {dropBlockActive, false}},
        {"block-passive", {dropBlockPassive, false}},
        {"block-connection", {dropBlockConnection, true}},
        {"access-arrow", {dropAccessArrow, true}},
        {"channel", {dropChannel, false}},
        {"misc", {dropMisc, false}},
        {"er-active", {dropERActive, false}},
        {"er-passive", {dropERPassive, false}},
        {"er-connection", {dropERConnection, true}},
        {"binary-relationship", {dropBinaryRelationship, false}},
        {"title-block", {dropTitleBlock, false}},
        {"frame-title-block", {dropFrameAndTitleBlock, false}},
        {"logo-area", {dropLogoArea, false}},
    };
    return all;
}

std::string masterList() {
    std::string list;
    for (const auto& [name, master] : masters()) list += (list.empty() ? "" : ", ") + name;
    return list;
}

std::string inches(double value) {
    return simhost::formula::formatNumber(value) + " in";
}

bool readPoint(const std::vector<std::string>& words, size_t at, simhost::stencil::Point* point) {
    return words.size() >= at + 2 && readNumber(words[at], &point->x) &&
           readNumber(words[at + 1], &point->y);
}

// One OPTION=VALUE word of "drop" into the options; false when it is none.
bool readOption(const std::string& word, StencilOptions& options) {
    size_t equals = word.find('=');
    if (equals == std::string::npos || equals + 1 == word.size()) return false;
    const std::string key = word.substr(0, equals), value = word.substr(equals + 1);
    using simhost::stencil::ValueIn;
    if (key == "text") {
        options.text = value;
    } else if (key == "width" || key == "height") {
        return readNumber(value, key == "width" ? &options.width : &options.height);
    } else if (key == "marking" || key == "marking-box") {
        options.marking = value;
        options.markingIn = key == "marking" ? ValueIn::Cell : ValueIn::TextBox;
    } else if (key == "capacity" || key == "capacity-box") {
        options.capacity = value;
        options.capacityIn = key == "capacity" ? ValueIn::Cell : ValueIn::TextBox;
    } else if (key == "weight") {
        options.weight = value;
    } else if (key == "type") {
        options.miscType = value;
    } else {
        return false;
    }
    return true;
}

void listMembers(Shape& shape, std::string& out) {
    for (const auto& member : shape.memberList()) {
        out += " " + std::to_string(member->id());
        listMembers(*member, out);
    }
}

void drop(Runner& r, const Runner::Arguments& a) {
    const std::string usage = "usage: drop KIND X Y [OPTION=VALUE...] (1-D: X1 Y1 X2 Y2)";
    auto master = a.words.empty() ? masters().end() : masters().find(a.words[0]);
    if (a.words.empty()) return r.fail(usage);
    if (master == masters().end())
        return r.fail("no master " + quoted(a.words[0]) + " (" + masterList() + ")");
    StencilOptions options;
    const bool oneD = master->second.oneD;
    const bool placed =
        oneD ? readPoint(a.words, 1, &options.begin) && readPoint(a.words, 3, &options.end)
             : readPoint(a.words, 1, &options.pin);
    if (!placed) return r.fail(usage);
    for (size_t i = oneD ? 5 : 3; i < a.words.size(); ++i) {
        if (!readOption(a.words[i], options))
            return r.fail("\"" + a.words[i] +
                          "\" is no option of drop (text, width, height, marking, capacity, "
                          "marking-box, capacity-box, weight, type)");
    }
    simhost::Page* page = r.host().application().activePage();
    if (!page) return r.fail("no page is shown");
    std::string problems;
    visio::ComRef<Shape> shape = master->second.drop(*page, options, &problems);
    r.host().pump();
    if (!shape) return r.fail("cannot drop " + a.words[0] + ": " + problems);
    std::string members;
    listMembers(*shape, members);
    r.out() << "dropped " << a.words[0] << " as shape " << shape->id()
            << (members.empty() ? "" : " with members" + members) << "\n";
    if (!problems.empty()) r.fail("the master's cells: " + problems);
}

void deleteShape(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 1) return r.fail("usage: delete ID");
    visio::ComRef<Shape> shape(shapeNamed(r, a.words[0]));
    if (!shape) return;
    r.host().deleteShape(*shape);
    if (!shape->isDeleted()) {
        r.out() << "refused: shape " << a.words[0] << " is locked against deletion\n";
        return;
    }
    r.out() << "deleted shape " << a.words[0] << "\n";
}

bool isGlued(Shape& shape, int16_t end) {
    for (const auto& record : shape.connects().list())
        if (record->fromPart() == end) return true;
    return false;
}

// Writes the cells as a drag writes them, then lets the events go; answers the first
// cell that refused (its name), or nothing.
std::string writeCells(Runner& r, Shape& shape,
                       const std::vector<std::pair<std::string, double>>& cells) {
    std::string refused;
    for (const auto& [name, value] : cells) {
        auto address = shape.sheet().resolve(name);
        if (!address || shape.writeFormula(*address, inches(value), false) != simhost::kWriteDone)
            refused = refused.empty() ? name : refused;
    }
    r.host().pump();
    return refused;
}

void move(Runner& r, const Runner::Arguments& a) {
    simhost::stencil::Point to;
    if (a.words.size() != 3 || !readPoint(a.words, 1, &to)) return r.fail("usage: move ID X Y");
    visio::ComRef<Shape> shape(shapeNamed(r, a.words[0]));
    if (!shape) return;
    const double dx = to.x - shape->number("PinX"), dy = to.y - shape->number("PinY");
    if (shape->isMoveLocked(dx, dy)) return refuseProtected(r, shape->id());
    std::string refused;
    if (shape->isOneDShape()) {
        // Dragged as a whole, a connector leaves what its ends were glued to.
        for (int16_t end : {visio::visBegin, visio::visEnd})
            if (isGlued(*shape, end)) r.host().unglue(*shape, end);
        refused = writeCells(r, *shape,
                             {{"BeginX", shape->number("BeginX") + dx},
                              {"BeginY", shape->number("BeginY") + dy},
                              {"EndX", shape->number("EndX") + dx},
                              {"EndY", shape->number("EndY") + dy}});
    } else {
        refused = writeCells(r, *shape, {{"PinX", to.x}, {"PinY", to.y}});
    }
    if (!refused.empty()) {
        r.out() << "refused: shape " << a.words[0] << " " << refused << " is guarded\n";
        return;
    }
    r.out() << "moved shape " << a.words[0] << " to (" << inches(to.x) << ", " << inches(to.y)
            << ")\n";
}

bool readEnd(const std::string& word, int16_t* end) {
    if (word != "begin" && word != "end") return false;
    *end = word == "begin" ? visio::visBegin : visio::visEnd;
    return true;
}

// A shape named with its master, when one made it ("shape 36 (arc)").
std::string shapeCalled(Shape& shape) {
    const std::string master = masterOf(shape);
    return "shape " + std::to_string(shape.id()) + (master.empty() ? "" : " (" + master + ")");
}

// A user drags the ends of a connector as a whole: an arc's line is a part of the arc's
// group, whose ends are what glue, and what an end glues to is a shape or another
// connector's end (one arc in two pieces), never a part of a connector. The host would
// glue a part, and the drawing's model would not see the arc.
std::string whyNotGlued(Shape& connector, Shape& target) {
    if (Shape* group = connector.group()) {
        const std::string id = std::to_string(group->id());
        return "shape " + std::to_string(connector.id()) + " is a part of " + shapeCalled(*group) +
               ": glue the ends of the group (glue " + id + " begin|end TARGET POINT)";
    }
    Shape* whole = &target;
    while (whole->group()) whole = whole->group();
    if (whole == &target || !whole->isOneDShape()) return std::string();
    return "shape " + std::to_string(target.id()) + " is a part of the connector " +
           shapeCalled(*whole) + ": glue to a shape, or to an end of the connector (TARGET " +
           std::to_string(whole->id()) + ", POINT 1 its begin, 2 its end)";
}

void glue(Runner& r, const Runner::Arguments& a) {
    int16_t end = 0;
    int32_t point = 0;
    if (a.words.size() != 4 || !readEnd(a.words[1], &end) || !readId(a.words[3], &point) ||
        point < 1 || point > 32767)
        return r.fail("usage: glue ID begin|end TARGET POINT (POINT from 1)");
    visio::ComRef<Shape> connector(shapeNamed(r, a.words[0]));
    if (!connector) return;
    visio::ComRef<Shape> target(shapeNamed(r, a.words[2]));
    if (!target) return;
    const std::string refusal = whyNotGlued(*connector, *target);
    if (!refusal.empty()) return r.fail("cannot glue: " + refusal);
    std::string error;
    if (!simhost::geometry::Glue::toPoint(r.host(), *connector, end, *target,
                                          static_cast<int16_t>(point - 1), &error))
        return r.fail("cannot glue: " + error);
    r.out() << "glued the " << a.words[1] << " of shape " << a.words[0] << " to point "
            << a.words[3] << " of shape " << a.words[2] << "\n";
}

void unglue(Runner& r, const Runner::Arguments& a) {
    int16_t end = 0;
    if (a.words.size() != 2 || !readEnd(a.words[1], &end))
        return r.fail("usage: unglue ID begin|end");
    visio::ComRef<Shape> shape(shapeNamed(r, a.words[0]));
    if (!shape) return;
    if (!isGlued(*shape, end))
        return r.fail("the " + a.words[1] + " of shape " + a.words[0] + " is glued to nothing");
    r.host().unglue(*shape, end);
    r.out() << "unglued the " << a.words[1] << " of shape " << a.words[0] << "\n";
}

void text(Runner& r, const Runner::Arguments& a) {
    if (a.words.empty()) return r.fail("usage: text ID [TEXT]");
    visio::ComRef<Shape> shape(shapeNamed(r, a.words[0]));
    if (!shape) return;
    if (!r.host().setText(*shape, afterWords(a.rest, 1))) return refuseProtected(r, shape->id());
    r.out() << "shape " << a.words[0] << " text " << quoted(shape->text()) << "\n";
}

void addPage(Runner& r, const Runner::Arguments& a) {
    simhost::Window* window = r.host().application().activeWindow();
    simhost::Document* document = window ? window->document() : nullptr;
    if (!document) return r.fail("no drawing is shown");
    if (!a.rest.empty() && document->pageNamed(a.rest))
        return r.fail("the drawing has a page " + quoted(a.rest) + " already");
    visio::ComRef<simhost::Page> page = r.host().addPage(*document, a.rest);
    if (!page) return r.fail("cannot add a page");
    r.host().turnToPage(*window, *page);
    r.out() << "added page " << quoted(page->name()) << "\n";
}

void showPage(Runner& r, const Runner::Arguments& a) {
    if (a.rest.empty()) return r.fail("usage: page NAME|N");
    simhost::Window* window = r.host().application().activeWindow();
    simhost::Document* document = window ? window->document() : nullptr;
    if (!document) return r.fail("no drawing is shown");
    simhost::Page* page = namedPage(*document, a.rest);
    if (!page) return r.fail("the drawing has no page " + a.rest);
    r.host().turnToPage(*window, *page);
    r.out() << "showing page " << quoted(page->name()) << "\n";
}

}  // namespace

void addEditCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand(
        "drop",
        "drop KIND X Y [OPTION=VALUE...]   drop a master (1-D: X1 Y1 X2 Y2) of: " + masterList(),
        [&r](const Runner::Arguments& a) { drop(r, a); });
    r.addCommand("delete", "delete ID   delete a shape of the shown page",
                 [&r](const Runner::Arguments& a) { deleteShape(r, a); });
    r.addCommand("move", "move ID X Y   move a shape's pin to X Y (inches)",
                 [&r](const Runner::Arguments& a) { move(r, a); });
    r.addCommand("glue", "glue ID begin|end TARGET POINT   glue a connector's end to a point",
                 [&r](const Runner::Arguments& a) { glue(r, a); });
    r.addCommand("unglue", "unglue ID begin|end   unglue a connector's end",
                 [&r](const Runner::Arguments& a) { unglue(r, a); });
    r.addCommand("text", "text ID [TEXT]   type a shape's text",
                 [&r](const Runner::Arguments& a) { text(r, a); });
    r.addCommand("addpage", "addpage [NAME]   add a page at the end and show it",
                 [&r](const Runner::Arguments& a) { addPage(r, a); });
    r.addCommand("page", "page NAME|N   show a page (name or number)",
                 [&r](const Runner::Arguments& a) { showPage(r, a); });
}

}  // namespace runner
