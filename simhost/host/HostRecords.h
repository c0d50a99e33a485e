// What tests, the runner and later host parts plug into the application (hooks), what
// it records of the add-on's calls, and the answers a user would give to its dialogs.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace simhost {

class Document;
class Page;

struct HostHooks {
    // RUNADDONWARGS / RUNADDON from an action row, and toolbar clicks: (add-on, argument).
    std::function<void(const std::string&, const std::string&)> runAddon;
    // Called by ExecuteLine("wait(1)") after it has delivered the pending events (a test
    // clock can advance here).
    std::function<void()> wait;
    // Writes a page as a picture; the default records the request only.
    std::function<void(Page&, const std::string&)> exportPage;
    // Writes a document to its file when it is saved; the default keeps it in memory.
    // False when the file could not be written: the save then does not happen.
    std::function<bool(Document&)> saveDocument;
};

struct HostLog {
    std::vector<int16_t> commands;        // DoCmd numbers, in order
    std::vector<std::string> macroLines;  // ExecuteLine texts other than "wait(1)"
    uint64_t waitCalls = 0;
    std::vector<std::pair<std::string, std::string>> addonRuns;  // (add-on, argument)
    std::vector<std::pair<std::string, std::string>> exports;    // (page name, path)
    // Why a page export wrote no picture, one line for each that failed (any caller).
    std::vector<std::string> exportFailures;
};

// A picture the user picks in the import dialog of command 1007: a picture file (PNG,
// JPEG or GIF, read through the installed system and sized from its pixels and
// resolution), or, without a path, a picture of the size given (inches).
struct PictureChoice {
    double width = 1;
    double height = 1;
    std::string name;
    std::string path;
};

// Answers to the dialogs of Visio's commands, taken in order. With none queued, save as
// takes the default name and the picture import is cancelled.
struct UserAnswers {
    std::deque<std::optional<std::string>> saveAsNames;  // full file names; nullopt cancels
    std::deque<std::optional<PictureChoice>> pictures;   // nullopt cancels
};

}  // namespace simhost
