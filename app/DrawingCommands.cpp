#include "app/DrawingCommands.h"

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/CellSnapshot.h"
#include "app/CommandWords.h"
#include "app/Runner.h"
#include "app/ShapeMasters.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/file/FileNames.h"
#include "simhost/formula/ValueText.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"
#include "simhost/host/Window.h"
#include "simhost/host/Windows.h"

namespace runner {
namespace {

using simhost::formula::Value;

// The cells of each open drawing as its opening or the last "show" saw them.
struct SeenCells {
    std::map<int32_t, CellSnapshot> byDocument;
};

simhost::Document* activeDocument(Runner& r) {
    return r.host().application().activeDocument();
}

std::string valueText(const Value& value) {
    switch (value.kind) {
        case Value::Kind::String:
            return quoted(value.text);
        case Value::Kind::Error:
            return value.text;
        case Value::Kind::Point:
            return "point (" + simhost::formula::ValueText::formatNumber(value.x) + " in, " +
                   simhost::formula::ValueText::formatNumber(value.y) + " in)";
        case Value::Kind::CellRef:
            return "reference to " + (value.sheet.empty() ? "" : value.sheet + "!") + value.text;
        default:
            return simhost::formula::ValueText::formulaText(value).value_or("?");
    }
}

void printShape(Runner& r, simhost::Shape& shape, size_t depth) {
    const std::string master = masterOf(shape);
    r.out() << std::string(depth * 2, ' ') << shape.id() << " " << quoted(shape.Name()) << " "
            << (master.empty() ? "" : master + " ") << simhost::FileNames::typeName(shape.type())
            << (shape.isOneDShape() ? " 1-D" : "");
    if (!shape.text().empty()) r.out() << ", text " << quoted(shape.text());
    r.out() << "\n";
    for (const auto& member : shape.memberList()) printShape(r, *member, depth + 1);
}

void printPages(Runner& r, simhost::Document& document) {
    r.out() << "document " << quoted(document.name()) << "\n";
    for (simhost::Page* page : document.pageList()) {
        r.out() << "page " << quoted(page->name());
        if (page->isBackground()) r.out() << " (background)";
        if (page->backPage())
            r.out() << " (background page " << quoted(page->backPage()->name()) << ")";
        r.out() << "\n";
        for (const auto& shape : page->shapeCollection().list()) printShape(r, *shape, 1);
    }
}

void open(Runner& r, SeenCells& seen, const Runner::Arguments& a) {
    if (a.rest.empty()) return r.fail("usage: open FILE");
    std::string error;
    auto document = simhost::DrawingFile::open(
        r.host(), r.resolvePath(a.rest), &error,
        [&](simhost::Document& d) { seen.byDocument[d.id()] = CellSnapshot::of(d); });
    if (!document) return r.fail("cannot open " + a.rest + ": " + error);
    r.out() << "opened " << a.rest << "\n";
}

// A new drawing, as Visio's File New makes one: its own name, one empty page, never saved.
void newDrawing(Runner& r, SeenCells& seen, const Runner::Arguments& a) {
    if (a.words.size() > 1) return r.fail("usage: new [NAME]");
    auto document = r.host().newDocument(a.rest);
    seen.byDocument[document->id()] = CellSnapshot::of(*document);
    r.host().pump();
    r.out() << "new drawing " << quoted(document->name()) << "\n";
}

void show(Runner& r, SeenCells& seen, const Runner::Arguments& a) {
    if (!a.words.empty()) return r.fail("usage: show");
    simhost::Document* document = activeDocument(r);
    if (!document) return r.fail("no drawing is open");
    printPages(r, *document);
    CellSnapshot now = CellSnapshot::of(*document);
    auto before = seen.byDocument.find(document->id());
    std::vector<std::string> changes;
    if (before != seen.byDocument.end()) changes = CellSnapshot::changes(before->second, now);
    r.out() << (changes.empty() ? "no cells changed\n" : "cells changed:\n");
    for (const std::string& change : changes) r.out() << "  " << change << "\n";
    seen.byDocument[document->id()] = std::move(now);
}

void cell(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 2) return r.fail("usage: cell ID NAME");
    std::string label;
    simhost::Shape* sheet = sheetNamed(r, a.words[0], &label);
    if (!sheet) return;
    auto address = sheet->sheet().resolve(a.words[1]);
    if (!address) return r.fail(label + " has no cell " + a.words[1]);
    const std::string& formula = sheet->sheet().cell(*address)->formula;
    r.out() << label << " " << sheet->sheet().nameOf(*address) << ": formula "
            << (formula.empty() ? "(empty)" : formula) << ", value "
            << valueText(sheet->cellValue(*address)) << "\n";
}

void set(Runner& r, const Runner::Arguments& a) {
    std::string formula = afterWords(a.rest, 2);
    if (a.words.size() < 3 || formula.empty()) return r.fail("usage: set ID NAME FORMULA");
    std::string label;
    simhost::Shape* sheet = sheetNamed(r, a.words[0], &label);
    if (!sheet) return;
    auto address = sheet->sheet().resolve(a.words[1]);
    if (!address) return r.fail(label + " has no cell " + a.words[1]);
    std::string name = sheet->sheet().nameOf(*address);
    int32_t result = sheet->writeFormula(*address, formula, false);
    r.host().pump();
    if (result == simhost::kWriteGuarded) {
        r.out() << "refused: " << label << " " << name << " is guarded\n";
    } else if (result == simhost::kWriteBadFormula) {
        std::string why;
        r.host().application().formulas().parse(simhost::FormulaCache::storedText(formula), &why);
        r.fail(quoted(formula) + " is no formula: " + why);
    } else if (result != simhost::kWriteDone) {
        r.fail(label + " has no cell " + a.words[1]);
    }
}

// The save prints itself ("saved FILE"), as every save does.
void save(Runner& r, const Runner::Arguments& a) {
    simhost::Document* document = activeDocument(r);
    if (!document) return r.fail("no drawing is open");
    if (a.rest.empty()) {
        r.host().saveDocument(*document);
    } else {
        r.host().saveDocumentAs(*document, r.resolvePath(a.rest));
    }
}

// Brings the window of an open drawing to the front, as clicking it does: by its place
// among the open drawings (from 1) or by its name.
void drawing(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 1) return r.fail("drawing N|NAME: which drawing?");
    const auto& windows = r.host().application().windows().list();
    int32_t number = 0;
    const bool byNumber = readId(a.words[0], &number);
    int32_t place = 0;
    for (const auto& window : windows) {
        simhost::Document* document = window->document();
        if (!document) continue;
        ++place;
        if (byNumber ? place == number : document->name() == a.words[0]) {
            r.host().activateWindow(*window);
            r.out() << "showing drawing " << document->name() << "\n";
            return;
        }
    }
    r.fail("no open drawing " + a.words[0]);
}

}  // namespace

void addDrawingCommands(Runner& runner) {
    Runner& r = runner;
    auto seen = std::make_shared<SeenCells>();
    r.addCommand("open", "open FILE   open a drawing file (relative to the session's folder)",
                 [&r, seen](const Runner::Arguments& a) { open(r, *seen, a); });
    r.addCommand("new", "new [NAME]   open a new, empty drawing (save it with save FILE)",
                 [&r, seen](const Runner::Arguments& a) { newDrawing(r, *seen, a); });
    r.addCommand(
        "show",
        "show   the pages and shapes (with their masters), and the cells changed since the "
        "last look",
        [&r, seen](const Runner::Arguments& a) { show(r, *seen, a); });
    r.addCommand(
        "cell",
        "cell ID NAME   formula and value of a cell (ID 0: the page sheet, doc: the document's)",
        [&r](const Runner::Arguments& a) { cell(r, a); });
    r.addCommand("set", "set ID NAME FORMULA   type a formula into a cell",
                 [&r](const Runner::Arguments& a) { set(r, a); });
    r.addCommand("save", "save [FILE]   save the drawing (as FILE; $TMP/ is the temporary folder)",
                 [&r](const Runner::Arguments& a) { save(r, a); });
    r.addCommand("drawing",
                 "drawing N|NAME   show the window of an open drawing (from 1, or by name)",
                 [&r](const Runner::Arguments& a) { drawing(r, a); });
}

}  // namespace runner
