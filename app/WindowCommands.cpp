#include "app/WindowCommands.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandWords.h"
#include "app/Runner.h"
#include "core/SettingsFile.h"
#include "platform/os/System.h"
#include "platform/ui/PropertySheet.h"
#include "simhost/host/Application.h"
#include "simhost/host/Document.h"
#include "simhost/ui/HeadlessUser.h"
#include "simhost/ui/WindowListing.h"

namespace runner {
namespace {

using simhost::headless::HeadlessUser;
using simhost::headless::HeadlessWindow;

// The words of a command's arguments; a word in double quotes may hold blanks.
class Words {
public:
    explicit Words(std::string text) : text_(std::move(text)) {}

    bool next(std::string& word) {
        skipBlanks();
        if (pos_ >= text_.size()) return false;
        word.clear();
        if (text_[pos_] == '"') {
            std::size_t close = text_.find('"', pos_ + 1);
            if (close == std::string::npos) close = text_.size();
            word = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            return true;
        }
        while (pos_ < text_.size() && !isBlank(text_[pos_])) word += text_[pos_++];
        return true;
    }
    // What is left after the words taken, without the blanks before it.
    std::string rest() {
        skipBlanks();
        return pos_ < text_.size() ? text_.substr(pos_) : std::string();
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }

    std::string text_;
    std::size_t pos_ = 0;
};

bool readNumber(const std::string& text, int32_t& number) {
    if (text.empty()) return false;
    std::istringstream in(text);
    in >> number;
    return in && in.peek() == std::char_traits<char>::eof();
}

bool isDialog(const HeadlessWindow& w) {
    return w.className == "#32770" && w.events;
}

// The first dialog, the topmost window first and its pages after it, with the template
// id or the caption.
ui::WindowHandle findDialog(Runner& r, const std::string& name) {
    int32_t templateId = 0;
    const bool byId = readNumber(name, templateId);
    std::vector<ui::WindowHandle> pending = r.backend().topLevelWindows();
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const HeadlessWindow* w = r.backend().window(pending[i]);
        if (!w) continue;
        if (isDialog(*w) && (byId ? w->templateId == templateId : w->text == name)) {
            return w->handle;
        }
        pending.insert(pending.end(), w->children.begin(), w->children.end());
    }
    return {};
}

// The topmost window with a property sheet's tabs.
ui::WindowHandle findSheet(Runner& r) {
    for (ui::WindowHandle top : r.backend().topLevelWindows()) {
        ui::WindowHandle tabs = r.backend().getDlgItem(top, ui::PropertySheet::kTabControlId);
        if (tabs && r.backend().getClassName(tabs) == "SysTabControl32") return top;
    }
    return {};
}

// The dialog of the name; reports when there is none.
ui::WindowHandle openDialog(Runner& r, const std::string& name) {
    ui::WindowHandle dialog = findDialog(r, name);
    if (!dialog) r.out() << "refused: no dialog " << name << " is open\n";
    return dialog;
}

void reportRefusal(Runner& r, bool done, const std::string& what) {
    if (!done) r.out() << "refused: " << what << "\n";
}

// DIALOG ID, then a number when wanted; false when there is no such dialog or the
// usage is wrong.
bool takeControl(Runner& r, const Runner::Arguments& a, const std::string& usage,
                 ui::WindowHandle& dialog, int32_t& id, int32_t* value) {
    Words words(a.rest);
    std::string name;
    std::string idText;
    std::string valueText;
    bool ok = words.next(name) && words.next(idText) && readNumber(idText, id);
    if (ok && value) ok = words.next(valueText) && readNumber(valueText, *value);
    if (!ok || !words.rest().empty()) {
        r.fail("usage: " + usage);
        return false;
    }
    dialog = openDialog(r, name);
    return static_cast<bool>(dialog);
}

void windows(Runner& r, const Runner::Arguments& a) {
    if (a.rest.empty()) {
        r.out() << r.shownPaths(simhost::headless::WindowListing::describe(r.backend()));
        return;
    }
    Words words(a.rest);
    std::string name;
    if (!words.next(name) || !words.rest().empty()) return r.fail("usage: windows [DIALOG]");
    if (ui::WindowHandle dialog = openDialog(r, name)) {
        r.out() << r.shownPaths(simhost::headless::WindowListing::describe(r.backend(), dialog));
    }
}

void click(Runner& r, const Runner::Arguments& a) {
    ui::WindowHandle dialog;
    int32_t id = 0;
    if (!takeControl(r, a, "click DIALOG ID", dialog, id, nullptr)) return;
    reportRefusal(r, HeadlessUser(r.backend()).click(dialog, id),
                  "control " + std::to_string(id) + " cannot be clicked");
}

void check(Runner& r, const Runner::Arguments& a) {
    ui::WindowHandle dialog;
    int32_t id = 0;
    int32_t state = 0;
    if (!takeControl(r, a, "check DIALOG ID 0|1", dialog, id, &state)) return;
    if (state != 0 && state != 1) return r.fail("usage: check DIALOG ID 0|1");
    reportRefusal(r, HeadlessUser(r.backend()).tick(dialog, id, state == 1),
                  "check box " + std::to_string(id) + " cannot be set");
}

// The entry by its index, or by its text (a tab's title, a list's entry).
void choose(Runner& r, const Runner::Arguments& a) {
    Words words(a.rest);
    std::string name;
    std::string idText;
    std::string entry;
    int32_t id = 0;
    if (!words.next(name) || !words.next(idText) || !readNumber(idText, id) || !words.next(entry) ||
        !words.rest().empty()) {
        return r.fail("usage: choose DIALOG ID INDEX|TEXT");
    }
    ui::WindowHandle dialog = openDialog(r, name);
    if (!dialog) return;
    HeadlessUser user(r.backend());
    int32_t index = 0;
    if (!readNumber(entry, index)) {
        const HeadlessWindow* control = r.backend().window(user.control(dialog, id));
        const std::vector<std::string> none;
        const std::vector<std::string>& entries = control ? control->entries : none;
        const auto found = std::find(entries.begin(), entries.end(), entry);
        index = found == entries.end() ? -1 : static_cast<int32_t>(found - entries.begin());
    }
    reportRefusal(r, index >= 0 && user.choose(dialog, id, index),
                  "entry " + entry + " of " + std::to_string(id) + " cannot be chosen");
}

void slide(Runner& r, const Runner::Arguments& a) {
    ui::WindowHandle dialog;
    int32_t id = 0;
    int32_t position = 0;
    if (!takeControl(r, a, "slide DIALOG ID POS", dialog, id, &position)) return;
    reportRefusal(r, HeadlessUser(r.backend()).moveTrackbar(dialog, id, position),
                  "trackbar " + std::to_string(id) + " cannot be moved");
}

void type(Runner& r, const Runner::Arguments& a) {
    Words words(a.rest);
    std::string name;
    std::string idText;
    int32_t id = 0;
    if (!words.next(name) || !words.next(idText) || !readNumber(idText, id)) {
        return r.fail("usage: type DIALOG ID TEXT");
    }
    const std::string text = unquoted(words.rest());
    if (ui::WindowHandle dialog = openDialog(r, name)) {
        reportRefusal(r, HeadlessUser(r.backend()).type(dialog, id, text),
                      "no edit " + std::to_string(id) + " to type into");
    }
}

// The shown drawing's window: the drawing closes with it, as its last window.
void closeDrawing(Runner& r) {
    simhost::Document* document = r.host().application().activeDocument();
    if (!document) return r.fail("no drawing is open");
    const std::string name = document->name();
    r.host().closeDocument(*document);
    r.out() << "closed drawing " << name << "\n";
}

void close(Runner& r, const Runner::Arguments& a) {
    Words words(a.rest);
    std::string name;
    if (!words.next(name)) return closeDrawing(r);
    if (!words.rest().empty()) return r.fail("usage: close [DIALOG]");
    if (ui::WindowHandle dialog = openDialog(r, name)) HeadlessUser(r.backend()).close(dialog);
}

// OK, Cancel or Apply of the named sheet, or of the topmost one.
void sheetButton(Runner& r, const Runner::Arguments& a, const std::string& name,
                 bool (HeadlessUser::*press)(ui::WindowHandle)) {
    Words words(a.rest);
    std::string sheetName;
    ui::WindowHandle sheet;
    if (!words.next(sheetName)) {
        sheet = findSheet(r);
        if (!sheet) r.out() << "refused: no property sheet is open\n";
    } else if (!words.rest().empty()) {
        return r.fail("usage: " + name + " [DIALOG]");
    } else {
        sheet = openDialog(r, sheetName);
    }
    if (!sheet) return;
    HeadlessUser user(r.backend());
    reportRefusal(r, (user.*press)(sheet), "the " + name + " button cannot be pressed");
}

void escape(Runner& r, const Runner::Arguments& a) {
    if (!a.rest.empty()) return r.fail("usage: escape");
    r.backend().answerMessageBoxByEscape();
}

std::string visible(const std::string& line) {
    std::string out;
    for (unsigned char c : line) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F || c == '\\') {
            char code[8];
            std::snprintf(code, sizeof(code), "\\x%02X", c);
            out += code;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// The file as it is, line by line, with its line ends shown.
void settings(Runner& r, const Runner::Arguments& a) {
    if (!a.rest.empty()) return r.fail("usage: settings");
    const std::optional<std::string> file = r.system().fileContent(
        r.system().settingsFolder + os::kPathSeparator + SettingsFile::kFileName);
    if (!file) {
        r.out() << "no settings file\n";
        return;
    }
    const std::string& content = *file;
    r.out() << "settings file " << SettingsFile::kFileName << ":\n";
    std::size_t begin = 0;
    while (begin < content.size()) {
        std::size_t end = content.find('\n', begin);
        end = end == std::string::npos ? content.size() : end + 1;
        r.out() << "  " << r.shownPaths(visible(content.substr(begin, end - begin))) << "\n";
        begin = end;
    }
}

// Each folder of the list is a path as every other command takes it; empty items stay.
void helpPath(Runner& r, const Runner::Arguments& a) {
    std::string folders;
    std::string::size_type begin = 0;
    while (begin <= a.rest.size()) {
        std::string::size_type end = a.rest.find(';', begin);
        if (end == std::string::npos) end = a.rest.size();
        const std::string folder = a.rest.substr(begin, end - begin);
        if (begin > 0) folders += ';';
        folders += folder.empty() ? folder : r.resolvePath(folder);
        begin = end + 1;
    }
    r.host().application().SetHelpPaths(folders);
    r.out() << "Visio's help path is \"" << a.rest << "\"\n";
}

}  // namespace

void addWindowCommands(Runner& runner) {
    Runner& r = runner;
    auto add = [&r](const std::string& name, const std::string& usage,
                    void (*handler)(Runner&, const Runner::Arguments&)) {
        r.addCommand(name, usage, [&r, handler](const Runner::Arguments& a) { handler(r, a); });
    };
    add("windows", "windows [DIALOG]   every open window (or one) with its controls", windows);
    add("click", "click DIALOG ID   click a button, check box or radio button", click);
    add("check", "check DIALOG ID 0|1   tick or untick a check box", check);
    add("type", "type DIALOG ID TEXT   replace an edit's text", type);
    add("choose", "choose DIALOG ID INDEX|TEXT   choose an entry of a list or a tab", choose);
    add("slide", "slide DIALOG ID POS   move a trackbar", slide);
    add("close", "close [DIALOG]   the window's close box (without DIALOG: the drawing's)", close);
    r.addCommand("ok", "ok [DIALOG]   the property sheet's OK", [&r](const Runner::Arguments& a) {
        sheetButton(r, a, "ok", &HeadlessUser::pressOk);
    });
    r.addCommand("cancel", "cancel [DIALOG]   the property sheet's Cancel",
                 [&r](const Runner::Arguments& a) {
                     sheetButton(r, a, "cancel", &HeadlessUser::pressCancel);
                 });
    r.addCommand("apply", "apply [DIALOG]   the property sheet's Apply",
                 [&r](const Runner::Arguments& a) {
                     sheetButton(r, a, "apply", &HeadlessUser::pressApply);
                 });
    add("escape", "escape   press Escape on the next message box", escape);
    add("settings", "settings   print the settings file", settings);
    add("helppath", "helppath FOLDERS   Visio's help path setting (';'-separated)", helpPath);
}

}  // namespace runner
