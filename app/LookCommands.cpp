#include "app/LookCommands.h"

#include <ostream>
#include <string>
#include <vector>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "simhost/formula/ValueText.h"
#include "simhost/host/Application.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/render/ColourTable.h"

namespace runner {
namespace {

// The cells of a shape's look, as "looks" prints them: the line's colour, weight and
// pattern, the text's colour and style.
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

// A colour cell's name beside its formula: "GUARD(2) (red)".
bool isColourCell(const std::string& cell) {
    return cell == "LineColor" || cell == "Char.Color";
}

std::string colourNameOf(simhost::Shape& shape, const std::string& cell) {
    if (!shape.sheet().resolve(cell)) return std::string();
    const auto colour = simhost::render::ColourTable::ofValue(shape.value(cell));
    const std::string name = colour ? simhost::render::ColourTable::nameOf(*colour) : "";
    return name.empty() ? std::string() : " (" + name + ")";
}

std::string cellsOf(simhost::Shape& shape, const std::vector<std::string>& cells) {
    std::string out;
    for (const std::string& cell : cells) {
        out += (out.empty() ? "" : " ") + formulaOf(shape, cell);
        if (isColourCell(cell)) out += colourNameOf(shape, cell);
    }
    return out;
}

// A running simulation shows its highlights as RGB line colours and protects the
// shapes of its page against text editing.
bool isHighlighted(simhost::Shape& shape) {
    return shape.sheet().resolve("LineColor") && shape.formula("LineColor").rfind("RGB(", 0) == 0;
}

bool showsSimulation(simhost::Page& page) {
    for (simhost::Shape* shape : page.allShapes()) {
        if (shape->sheet().resolve("LockTextEdit") && shape->formula("LockTextEdit") == "1")
            return true;
    }
    return false;
}

// The text of the shape, or of its member with that index from 1 (0: the shape itself).
std::string textOfPart(simhost::Shape& shape, const std::string& indexCell) {
    const int index =
        shape.sheet().resolve(indexCell) ? static_cast<int>(shape.number(indexCell)) : 0;
    const auto& members = shape.memberList();
    if (index < 1 || index > static_cast<int>(members.size())) return shape.text();
    return members[static_cast<size_t>(index - 1)]->text();
}

// The tokens a place shows: in its marking box (empty for none) or its marking cell.
void printTokens(Runner& r, simhost::Page& page) {
    std::string line;
    for (simhost::Shape* shape : page.allShapes()) {
        std::string tokens;
        if (shape->sheet().resolve("User.QAV_marking_id")) {
            tokens = textOfPart(*shape, "User.QAV_marking_id");
            if (tokens.empty()) tokens = "0";
        } else if (shape->sheet().resolve("User.QAV_marking")) {
            tokens = simhost::formula::ValueText::formatNumber(shape->number("User.QAV_marking"));
        } else {
            continue;
        }
        line += (line.empty() ? "" : ", ") + quoted(textOfPart(*shape, "User.QAV_Identifier_ID")) +
                " " + tokens;
    }
    r.out() << "tokens: " << (line.empty() ? "no places" : line) << "\n";
}

void looks(Runner& r, const Runner::Arguments& a) {
    if (!a.words.empty()) return r.fail("usage: looks");
    simhost::Page* page = r.host().application().activePage();
    if (!page) return r.fail("no page is shown");
    int shown = 0;
    for (simhost::Shape* shape : page->allShapes()) {
        const bool guarded = looksGuarded(*shape);
        if (!guarded && !isHighlighted(*shape)) continue;
        ++shown;
        r.out() << "shape " << shape->id() << " \"" << shape->Name() << "\": line "
                << cellsOf(*shape, kLineCells);
        if (guarded) r.out() << ", char " << cellsOf(*shape, kCharCells);
        r.out() << "\n";
    }
    if (shown == 0) r.out() << "no shape on page \"" << page->name() << "\" holds a guarded look\n";
    if (showsSimulation(*page)) printTokens(r, *page);
}

}  // namespace

void addLookCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("looks",
                 "looks   looks of the shown page's guarded and highlighted shapes, and the "
                 "tokens its places show while it is simulated",
                 [&r](const Runner::Arguments& a) { looks(r, a); });
}

}  // namespace runner
