#include "app/ShapeToolCommands.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "platform/os/System.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/file/DrawingData.h"
#include "simhost/file/DrawingReader.h"
#include "simhost/formula/ValueText.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace runner {
namespace {

using simhost::Shape;

// A cell's value as the user sees it; empty for errors and missing cells.
std::string shownText(Shape& shape, const std::string& cell) {
    if (!shape.sheet().resolve(cell)) return std::string();
    return simhost::formula::ValueText::displayText(shape.value(cell)).value_or(std::string());
}

// The action row (from 0) the word names: its number from 1, or the text it shows.
int16_t actionRowOf(Shape& shape, const std::string& word) {
    const int16_t rows = shape.sheet().rowCount(visio::visSectionAction);
    int32_t number = 0;
    if (readId(word, &number)) return number >= 1 && number <= rows ? number - 1 : -1;
    for (int16_t row = 0; row < rows; ++row) {
        const std::string menu = "Actions.Menu[" + std::to_string(row + 1) + "]";
        if (shownText(shape, menu) == word) return row;
    }
    return -1;
}

// The IDs of the imported pictures on the page, groups' members included.
std::set<int32_t> picturesOn(simhost::Page* page) {
    std::set<int32_t> ids;
    if (!page) return ids;
    for (Shape* shape : page->allShapes())
        if (shape->type() == visio::visTypeForeignObject) ids.insert(shape->id());
    return ids;
}

// A picture the action imported (a logo), and where it went.
void printImportedPictures(Runner& r, const std::set<int32_t>& before) {
    simhost::Page* page = r.host().application().activePage();
    for (int32_t id : picturesOn(page)) {
        if (before.count(id)) continue;
        Shape* picture = page->findShape(id);
        r.out() << "the picture is shape " << id;
        if (Shape* group = picture->group()) r.out() << ", a part of shape " << group->id();
        r.out() << "\n";
    }
}

// A row of a shortcut menu, as a user picks it: of a shape, or of the shown page (0). A
// row that is disabled or invisible is not offered.
void action(Runner& r, const Runner::Arguments& a) {
    const std::string label = unquoted(afterWords(a.rest, 1));
    if (a.words.size() < 2 || label.empty())
        return r.fail("usage: action ID ROW|LABEL (0: the page; ROW from 1)");
    std::string sheetLabel;
    visio::ComRef<Shape> shape(sheetNamed(r, a.words[0], &sheetLabel));
    if (!shape) return;
    const int16_t row = actionRowOf(*shape, label);
    if (row < 0) return r.fail(sheetLabel + " has no action " + quoted(label));
    const std::string number = std::to_string(row + 1);
    const std::string entry = quoted(shownText(*shape, "Actions.Menu[" + number + "]"));
    if (shape->number("Actions.Disabled[" + number + "]") != 0 ||
        shape->number("Actions.Invisible[" + number + "]") != 0) {
        r.out() << "refused: the action " << number << " " << entry << " of " << sheetLabel
                << " is not offered\n";
        return;
    }
    r.out() << "picked action " << number << " " << entry << " of " << sheetLabel << "\n";
    const std::set<int32_t> pictures = picturesOn(r.host().application().activePage());
    r.host().runAction(*shape, row);
    printImportedPictures(r, pictures);
}

void subselect(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 1) return r.fail("usage: subselect ID");
    Shape* shape = shapeNamed(r, a.words[0]);
    if (!shape) return;
    if (!shape->group()) return r.fail("shape " + a.words[0] + " is in no group");
    r.host().selectOnly({shape});
}

// The selected shape whose locked text kept the text command from opening it.
Shape* lockedTextOfSelection(simhost::Window* window) {
    auto selected = window->selection().reported(visio::visSelModeSkipSuper);
    return !selected.empty() && selected.front()->isTextEditLocked() ? selected.front().get()
                                                                     : nullptr;
}

void edit(Runner& r, const Runner::Arguments& a) {
    if (!a.words.empty()) return r.fail("usage: edit");
    simhost::Window* window = r.host().application().activeWindow();
    if (!window || window->selection().empty()) return r.fail("no shape is selected");
    r.host().application().DoCmd(visio::visCmdTextEdit);
    r.host().pump();
    if (Shape* shape = window->textEditShape()) {
        r.out() << "editing the text of shape " << shape->id() << "\n";
    } else if (Shape* locked = lockedTextOfSelection(window)) {
        refuseProtected(r, locked->id());
    }
}

void type(Runner& r, const Runner::Arguments& a) {
    simhost::Window* window = r.host().application().activeWindow();
    Shape* shape = window ? window->textEditShape() : nullptr;
    if (!shape) return r.fail("no text is open for typing (edit, or an action that opens one)");
    const int32_t id = shape->id();
    if (!r.host().typeText(a.rest)) return refuseProtected(r, id);
    r.out() << "shape " << id << " text " << quoted(a.rest) << "\n";
}

void listShapes(Runner& r, const char* what, const std::vector<visio::ComRef<Shape>>& shapes) {
    r.out() << what;
    for (const auto& shape : shapes) r.out() << " " << shape->id();
    r.out() << "\n";
}

std::vector<visio::ComRef<Shape>> selected(Runner& r) {
    simhost::Window* window = r.host().application().activeWindow();
    if (!window) return {};
    return window->selection().reported(visio::visSelModeSkipSuper);
}

void copy(Runner& r, const Runner::Arguments&) {
    if (!r.host().copySelection()) return r.fail("no shape is selected");
    listShapes(r, "copied shapes", selected(r));
}

void cut(Runner& r, const Runner::Arguments&) {
    const std::vector<visio::ComRef<Shape>> shapes = selected(r);
    if (shapes.empty()) return r.fail("no shape is selected");
    if (!r.host().cutSelection()) {
        const auto locked = std::find_if(shapes.begin(), shapes.end(),
                                         [](const auto& shape) { return shape->isDeleteLocked(); });
        const int32_t id = locked != shapes.end() ? (*locked)->id() : shapes.front()->id();
        r.out() << "refused: shape " << id << " is locked against deletion\n";
        return;
    }
    listShapes(r, "cut shapes", shapes);
}

void paste(Runner& r, const Runner::Arguments&) {
    if (!r.host().paste()) return r.fail("nothing to paste");
    listShapes(r, "pasted shapes", selected(r));
}

void duplicate(Runner& r, const Runner::Arguments&) {
    if (!r.host().duplicateSelection()) return r.fail("no shape is selected");
    listShapes(r, "duplicated as shapes", selected(r));
}

std::string charFormat(Shape& box) {
    return "Char.Color " + box.formula("Char.Color") + ", Char.Size " + box.formula("Char.Size") +
           ", Char.Font " + box.formula("Char.Font");
}

// Box n of a shape that describes it (its cell "User.TIA_TextBox<n>" exists), up to the
// count the shape gives. No shape describes more boxes than it has user rows, whatever
// its count says (the add-on bounds it the same way), so a count of 1e9 answers at once.
std::vector<int> describedBoxes(Shape& shape) {
    const double count = shape.number("User.TIA_NumberOfTextBoxes");
    std::vector<int> boxes;
    if (!shape.sheet().resolve("User.TIA_NumberOfTextBoxes") || !(count >= 1)) return boxes;
    const double rows = shape.sheet().rowCount(visio::visSectionUser);
    const int last = static_cast<int>(std::min(std::floor(count), rows));
    for (int n = 1; n <= last; ++n)
        if (shape.sheet().resolve("User.TIA_TextBox" + std::to_string(n))) boxes.push_back(n);
    return boxes;
}

void prompts(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 1) return r.fail("usage: prompts ID");
    Shape* shape = shapeNamed(r, a.words[0]);
    if (!shape) return;
    const std::vector<int> boxes = describedBoxes(*shape);
    if (boxes.empty()) {
        r.out() << "shape " << a.words[0] << " has no text boxes\n";
        return;
    }
    r.out() << "shape " << a.words[0] << " has " << boxes.size() << " text boxes\n";
    const auto members = shape->memberList();
    for (int n : boxes) {
        const std::string cell = "User.TIA_TextBox" + std::to_string(n);
        const int index = static_cast<int>(shape->number(cell));
        Shape* box = shape;
        if (index != 0) {
            box = index >= 1 && index <= static_cast<int>(members.size())
                      ? members[static_cast<size_t>(index - 1)].get()
                      : nullptr;
        }
        if (!box) {
            r.out() << "  box " << n << ": no sub-shape " << index << "\n";
            continue;
        }
        const bool showsPrompt = box->text() == shownText(*shape, cell + ".Prompt");
        r.out() << "  box " << n << " (shape " << box->id() << ") " << quoted(box->text()) << ": "
                << charFormat(*box) << (showsPrompt ? " (its prompt)" : "") << "\n";
    }
}

void modified(Runner& r, const Runner::Arguments&) {
    simhost::Document* document = r.host().application().activeDocument();
    if (!document) return r.fail("no drawing is open");
    r.out() << document->name()
            << (document->isSaved() ? " has no unsaved changes\n" : " has unsaved changes\n");
}

void filecell(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 2) return r.fail("usage: filecell FILE NAME");
    std::string text;
    if (os::System::current().readFile(r.resolvePath(a.words[0]), text) != os::ReadResult::Read)
        return r.fail("cannot read " + a.words[0]);
    simhost::DrawingData drawing;
    std::string error;
    if (!simhost::DrawingReader::read(text, &drawing, &error))
        return r.fail(a.words[0] + " is no drawing: " + error);
    auto address = drawing.sheet.resolve(a.words[1]);
    if (!address) {
        r.out() << a.words[0] << " stores no " << a.words[1] << "\n";
        return;
    }
    r.out() << a.words[0] << " stores " << a.words[1] << " "
            << drawing.sheet.cell(*address)->formula << "\n";
}

}  // namespace

void addShapeToolCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("action", "action ID ROW|LABEL   pick a row of a shortcut menu (0: the page's)",
                 [&r](const Runner::Arguments& a) { action(r, a); });
    r.addCommand("subselect", "subselect ID   click a member of a group",
                 [&r](const Runner::Arguments& a) { subselect(r, a); });
    r.addCommand("edit", "edit   open the selected shape's text for typing",
                 [&r](const Runner::Arguments& a) { edit(r, a); });
    r.addCommand("typetext", "typetext [TEXT]   type into the open shape text (replacing it)",
                 [&r](const Runner::Arguments& a) { type(r, a); });
    r.addCommand("copy", "copy   copy the selected shapes",
                 [&r](const Runner::Arguments& a) { copy(r, a); });
    r.addCommand("cut", "cut   cut the selected shapes (copied, then deleted)",
                 [&r](const Runner::Arguments& a) { cut(r, a); });
    r.addCommand("paste", "paste   paste the copied shapes onto the shown page",
                 [&r](const Runner::Arguments& a) { paste(r, a); });
    r.addCommand("duplicate", "duplicate   duplicate the selected shapes",
                 [&r](const Runner::Arguments& a) { duplicate(r, a); });
    r.addCommand("prompts", "prompts ID   the shape's text boxes, their text and formats",
                 [&r](const Runner::Arguments& a) { prompts(r, a); });
    r.addCommand("modified", "modified   whether the drawing has unsaved changes",
                 [&r](const Runner::Arguments& a) { modified(r, a); });
    r.addCommand("filecell", "filecell FILE NAME   a document sheet cell as the file stores it",
                 [&r](const Runner::Arguments& a) { filecell(r, a); });
}

}  // namespace runner
