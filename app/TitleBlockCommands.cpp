#include "app/TitleBlockCommands.h"

#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "platform/visio/VisioConstants.h"
#include "simhost/formula/ValueText.h"
#include "simhost/host/Document.h"
#include "simhost/host/Host.h"
#include "simhost/host/ImageSize.h"

namespace runner {
namespace {

using simhost::Document;
using simhost::Page;
using simhost::Shape;

Document* shownDocument(Runner& r) {
    simhost::Window* window = r.host().application().activeWindow();
    Document* document = window ? window->document() : nullptr;
    if (!document) r.fail("no drawing is shown");
    return document;
}

// The page a word names in the shown drawing; null after reporting why there is none.
Page* pageNamedIn(Runner& r, const std::string& word) {
    Document* document = shownDocument(r);
    if (!document) return nullptr;
    Page* page = namedPage(*document, word);
    if (!page) r.fail("the drawing has no page " + word);
    return page;
}

void renamePage(Runner& r, const Runner::Arguments& a) {
    const std::string name = afterWords(a.rest, 1);
    if (a.words.size() < 2) return r.fail("usage: renamepage PAGE NAME");
    Page* page = pageNamedIn(r, a.words[0]);
    if (!page) return;
    if (page->document()->pageNamed(name))
        return r.fail("the drawing has a page " + quoted(name) + " already");
    const std::string before = page->name();
    page->SetName(name);
    r.host().pump();
    r.out() << "renamed page " << quoted(before) << " to " << quoted(page->name()) << "\n";
}

void pageType(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 2 || (a.words[1] != "foreground" && a.words[1] != "background"))
        return r.fail("usage: pagetype PAGE foreground|background");
    Page* page = pageNamedIn(r, a.words[0]);
    if (!page) return;
    page->SetBackground(a.words[1] == "background");
    r.host().pump();
    r.out() << "page " << quoted(page->name()) << " is a " << a.words[1] << " page\n";
}

void backPage(Runner& r, const Runner::Arguments& a) {
    if (a.words.empty()) return r.fail("usage: backpage PAGE [BACKGROUND]");
    Page* page = pageNamedIn(r, a.words[0]);
    if (!page) return;
    const std::string background = afterWords(a.rest, 1);
    page->SetBackPage(background);
    r.host().pump();
    if (!background.empty() && (!page->backPage() || page->backPage()->name() != background)) {
        r.out() << "refused: " << quoted(background) << " is no background page for "
                << quoted(page->name()) << "\n";
        return;
    }
    r.out() << "page " << quoted(page->name())
            << (page->backPage() ? " in front of " + quoted(page->backPage()->name())
                                 : std::string(" without background page"))
            << "\n";
}

std::string* documentProperty(Document& document, const std::string& name) {
    simhost::DocumentProperties& p = document.properties();
    const std::map<std::string, std::string*> properties = {
        {"title", &p.title},     {"subject", &p.subject}, {"creator", &p.creator},
        {"manager", &p.manager}, {"company", &p.company}, {"description", &p.description}};
    auto found = properties.find(name);
    return found == properties.end() ? nullptr : found->second;
}

void property(Runner& r, const Runner::Arguments& a) {
    const char* usage = "usage: property title|subject|creator|manager|company|description [TEXT]";
    if (a.words.empty()) return r.fail(usage);
    Document* document = shownDocument(r);
    if (!document) return;
    std::string* value = documentProperty(*document, a.words[0]);
    if (!value) return r.fail(usage);
    *value = afterWords(a.rest, 1);
    document->markModified();
    r.out() << "property " << a.words[0] << " " << quoted(*value) << "\n";
}

std::string actionCellName(const std::string& cell, int row) {
    return "Actions." + cell + (row == 1 ? "" : "[" + std::to_string(row) + "]");
}

std::string menuLabel(Shape& shape, int row) {
    simhost::formula::Value label = shape.value(actionCellName("Menu", row));
    return label.kind == simhost::formula::Value::Kind::String ? label.text : std::string();
}

bool rowFlag(Shape& shape, const std::string& cell, int row) {
    return shape.number(actionCellName(cell, row)) != 0;
}

void menu(Runner& r, const Runner::Arguments& a) {
    if (a.words.size() != 1) return r.fail("usage: menu ID (0: the page)");
    std::string label;
    Shape* shape = sheetNamed(r, a.words[0], &label);
    if (!shape) return;
    const int rows = shape->sheet().rowCount(visio::visSectionAction);
    r.out() << label << " menu" << (rows == 0 ? ": no rows" : "") << "\n";
    for (int row = 1; row <= rows; ++row) {
        r.out() << "  " << row << " " << quoted(menuLabel(*shape, row))
                << (rowFlag(*shape, "Checked", row) ? " checked" : "")
                << (rowFlag(*shape, "Disabled", row) ? " disabled" : "") << "\n";
    }
}

void pictureFile(Runner& r, const Runner::Arguments& a) {
    if (a.rest.empty()) return r.fail("usage: picturefile FILE|cancel");
    if (a.rest == "cancel") {
        r.host().answerPictureImport(std::nullopt);
        r.out() << "the picture dialog will be cancelled\n";
        return;
    }
    const std::string path = r.resolvePath(a.rest);
    std::string bytes;
    std::optional<simhost::ImageSize> size;
    if (r.system().readFile(path, bytes) == os::ReadResult::Read)
        size = simhost::ImageSizes::read(bytes);
    if (!size) return r.fail("cannot read " + a.rest + " as a PNG, JPEG or GIF picture");
    simhost::PictureChoice choice;
    choice.path = path;
    r.host().answerPictureImport(choice);
    using simhost::formula::ValueText;
    r.out() << "the picture dialog will choose " << a.rest << " ("
            << ValueText::formatNumber(size->width) << " in by "
            << ValueText::formatNumber(size->height) << " in)\n";
}

void date(Runner& r, const Runner::Arguments& a) {
    int year = 0, month = 0, day = 0;
    char end = 0;
    if (a.words.size() != 1 ||
        std::sscanf(a.words[0].c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &end) != 3 ||
        month < 1 || month > 12 || day < 1 || day > 31)
        return r.fail("usage: date YYYY-MM-DD");
    r.system().setDate(year, month, day);
    r.out() << "the calendar shows " << a.words[0] << "\n";
}

}  // namespace

void addTitleBlockCommands(Runner& runner) {
    Runner& r = runner;
    r.addCommand("renamepage", "renamepage PAGE NAME   rename a page (name or number)",
                 [&r](const Runner::Arguments& a) { renamePage(r, a); });
    r.addCommand("pagetype", "pagetype PAGE foreground|background   make a page one or the other",
                 [&r](const Runner::Arguments& a) { pageType(r, a); });
    r.addCommand("backpage", "backpage PAGE [BACKGROUND]   the page behind a page (none: none)",
                 [&r](const Runner::Arguments& a) { backPage(r, a); });
    r.addCommand("property", "property NAME [TEXT]   a property of the shown drawing",
                 [&r](const Runner::Arguments& a) { property(r, a); });
    r.addCommand("menu", "menu ID   the rows of a shape's shortcut menu (0: the page's)",
                 [&r](const Runner::Arguments& a) { menu(r, a); });
    r.addCommand("picturefile", "picturefile FILE|cancel   the next picture import's choice",
                 [&r](const Runner::Arguments& a) { pictureFile(r, a); });
    r.addCommand("date", "date YYYY-MM-DD   the day the calendar shows",
                 [&r](const Runner::Arguments& a) { date(r, a); });
}

}  // namespace runner
