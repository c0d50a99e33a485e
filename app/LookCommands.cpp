#include "app/LookCommands.h"

#include <ostream>
#include <string>
#include <vector>

#include "app/Runner.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace runner {
namespace {

// The cells of a shape's look, as "looks" prints them.
const std::vector<std::string> kLineCells = {"LineColor", "LineWeight", "LinePattern"};
const std::vector<std::string> kCharCells = {"Char.Color", "Char.Style"};

bool isGuarded(const std::string& formula) {
    return formula.rfind("GUARD(", 0) == 0;
}

std::string formulaOf(simhost::Shape& shape, const std::string& cell) {
    if (!shape.sheet().resolve(cell)) return "(none)";
    const std::string formula = shape.formula(cell);
    return formula.empty() ? "(empty)" : formula;
}

bool looksGuarded(simhost::Shape& shape) {
    for (const auto* cells : {&kLineCells, &kCharCells}) {
        for (const std::string& cell : *cells) {
            if (shape.sheet().resolve(cell) && isGuarded(shape.formula(cell))) return true;
        }
    }
    return false;
}

std::string cellsOf(simhost::Shape& shape, const std::vector<std::string>& cells) {
    std::string out;
    for (const std::string& cell : cells) out += (out.empty() ? "" : " ") + formulaOf(shape, cell);
    return out;
}

void looks(Runner& r, const Runner::Arguments& a) {
    if (!a.words.empty()) return r.fail("usage: looks");
    simhost::Page* page = r.host().application().activePage();
    if (!page) return r.fail("no page is shown");
    int shown = 0;
    for (simhost::Shape* shape : page->allShapes()) {
        if (!looksGuarded(*shape)) continue;
        ++shown;
        r.out() << "shape " << shape->id() << " \"" << shape->Name() << "\": line "
                << cellsOf(*shape, kLineCells) << ", char " << cellsOf(*shape, kCharCells) << "\n";
    }
    if (shown == 0) r.out() << "no shape on page \"" << page->name() << "\" holds a guarded look\n";
}

}  // namespace

void addLookCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("looks", "looks   line and character looks of the shown page's guarded shapes",
                 [&r](const Runner::Arguments& a) { looks(r, a); });
}

}  // namespace runner
