#include "app/Runner.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <sstream>

#include "platform/visio/ApplicationLocator.h"
#include "simhost/file/DrawingFile.h"
#include "simhost/host/Document.h"

namespace runner {
namespace {

// A folder of this session's own: sessions that run at the same time (tests) must not
// share one settings file.
std::string settingsFolderOfSession() {
    namespace fs = std::filesystem;
    std::error_code error;
    std::random_device random;
    fs::path folder = fs::temp_directory_path(error) /
                      ("qavhost-settings-" + std::to_string(random()) + std::to_string(random()));
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    return folder.string();
}

std::string buttonName(int32_t id) {
    switch (id) {
        case 1:
            return "OK";
        case 2:
            return "Cancel";
        case 6:
            return "Yes";
        case 7:
            return "No";
        default:
            return std::to_string(id);
    }
}

// The pressed button as the box showed it (its caller may have given it a text of its
// own), else the standard name of the answer.
std::string answerName(const simhost::headless::MessageBoxRecord& box) {
    for (const auto& button : box.buttons) {
        if (button.id == box.answer && !button.text.empty()) return button.text;
    }
    return buttonName(box.answer);
}

}  // namespace

Runner::Runner(std::ostream& out) : out_(out) {
    system_.settingsFolder = settingsFolderOfSession();
    ui::Backend::install(&backend_);
    system_.install();
    host_ = std::make_unique<simhost::Host>();
    host_->registerActiveObject();
    host_->application().hooks().wait = [this]() { system_.advanceTicks(1); };
    barWindows_ = std::make_unique<simhost::OfficeBarWindows>(host_->application(), backend_);
    addons_ = std::make_unique<simhost::AddonHost>(*host_);
    markers_ = MarkerSpy::watch(host_->applicationRef());
    // Every save is printed, also those an add-on starts: a check saves the drawing first.
    simhost::DrawingFile::attach(
        host_->application(), [this](const std::string& error) { fail(error); },
        [this](simhost::Document& document) {
            // A box answered before the save (the question that led to it) shows first.
            printNewBoxes();
            out_ << "saved " << sessionPath(document.fullName()) << "\n";
        });
    addCommand("help", "help", [this](const Arguments&) { printHelp(); });
}

Runner::~Runner() {
    addons_.reset();
    barWindows_.reset();
    host_.reset();
    os::System::install(nullptr);
    ui::Backend::install(nullptr);
    std::error_code error;
    std::filesystem::remove_all(system_.settingsFolder, error);
}

void Runner::addCommand(const std::string& name, const std::string& usage, Handler handler) {
    // Two command families choosing one name would leave one of them unreachable, and
    // sessions written for it would quietly run the other.
    if (commands_.count(name)) {
        std::cerr << "qavhost: the command \"" << name << "\" is defined twice\n";
        std::abort();
    }
    commands_[name] = {usage, std::move(handler)};
}

int Runner::play(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a file with CRLF lines
        if (!execute(line)) return 0;
    }
    return in.bad() ? 1 : 0;
}

bool Runner::execute(const std::string& line) {
    ++lineNumber_;
    std::istringstream words(line);
    std::string name;
    if (!(words >> name) || name[0] == '#') return true;
    if (name == "quit") return false;
    Arguments arguments;
    std::string word;
    while (words >> word) arguments.words.push_back(word);
    std::string::size_type start = line.find(name) + name.size();
    start = line.find_first_not_of(" \t", start);
    arguments.rest = start == std::string::npos ? std::string() : line.substr(start);
    while (!arguments.rest.empty() &&
           (arguments.rest.back() == '\r' || arguments.rest.back() == ' ')) {
        arguments.rest.pop_back();
    }

    out_ << "> " << line << "\n";
    auto command = commands_.find(name);
    if (command == commands_.end()) {
        fail("unknown command \"" + name + "\" (help lists the commands)");
    } else {
        command->second.second(arguments);
    }
    afterCommand();
    return true;
}

void Runner::fail(const std::string& message) {
    out_ << "error: line " << lineNumber_ << ": " << shownPaths(message) << "\n";
    ++errors_;
}

std::string Runner::resolvePath(const std::string& path) const {
    const std::string file = fileOf(path);
    namedAs_[std::filesystem::u8path(file).lexically_normal().u8string()] = path;
    return file;
}

std::string Runner::fileOf(const std::string& path) const {
    namespace fs = std::filesystem;
    const std::string temporary = "$TMP/";
    std::error_code error;
    if (path == "$TMP") return fs::temp_directory_path(error).u8string();
    if (path.rfind(temporary, 0) == 0)
        return (fs::temp_directory_path(error) / fs::u8path(path.substr(temporary.size())))
            .u8string();
    fs::path given = fs::u8path(path);
    if (given.is_absolute() || baseFolder_.empty()) return path;
    return (fs::u8path(baseFolder_) / given).lexically_normal().u8string();
}

std::string Runner::shownPaths(std::string text) const {
    namespace fs = std::filesystem;
    std::error_code error;
    std::string temporary = fs::temp_directory_path(error).u8string();
    while (temporary.size() > 1 && (temporary.back() == '/' || temporary.back() == '\\')) {
        temporary.pop_back();
    }
    if (temporary.empty()) return text;
    for (size_t at = text.find(temporary); at != std::string::npos;
         at = text.find(temporary, at + 4)) {
        text.replace(at, temporary.size(), "$TMP");
    }
    return text;
}

std::string Runner::sessionPath(const std::string& file) const {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path path = fs::u8path(file).lexically_normal();
    const auto named = namedAs_.find(path.u8string());
    if (named != namedAs_.end()) return named->second;
    fs::path temporary = fs::temp_directory_path(error).lexically_normal();
    if (temporary.filename().empty()) temporary = temporary.parent_path();
    const fs::path inTemporary = path.lexically_relative(temporary);
    if (!temporary.empty() && !inTemporary.empty() && *inTemporary.begin() != "..")
        return "$TMP/" + inTemporary.generic_u8string();
    const fs::path base = baseFolder_.empty() ? fs::current_path(error) : fs::u8path(baseFolder_);
    const fs::path relative = path.lexically_relative(fs::absolute(base, error).lexically_normal());
    return relative.empty() ? file : relative.generic_u8string();
}

void Runner::printNewBoxes() {
    const auto& boxes = backend_.messageBoxes();
    for (; boxesPrinted_ < boxes.size(); ++boxesPrinted_) printBox(boxes[boxesPrinted_]);
}

void Runner::afterCommand() {
    barWindows_->sync();
    printNewBoxes();
    const auto& helpCalls = backend_.helpCalls();
    for (; helpCallsPrinted_ < helpCalls.size(); ++helpCallsPrinted_) {
        out_ << "html help shows " << helpCalls[helpCallsPrinted_].path << "\n";
    }
}

void Runner::printBox(const simhost::headless::MessageBoxRecord& box) {
    out_ << "message box \"" << box.caption << "\": " << shownPaths(box.text) << "\n  buttons:";
    for (const std::string& text : box.buttonTexts()) out_ << " [" << text << "]";
    out_ << " -> " << answerName(box) << "\n";
}

std::vector<std::string> Runner::takeNewMarkers() {
    const auto& all = markers_->markers();
    std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(markersInEvents_),
                                   all.end());
    markersInEvents_ = all.size();
    return fresh;
}

std::vector<const simhost::headless::MessageBoxRecord*> Runner::takeNewBoxesForEvents() {
    std::vector<const simhost::headless::MessageBoxRecord*> fresh;
    const auto& boxes = backend_.messageBoxes();
    for (; boxesInEvents_ < boxes.size(); ++boxesInEvents_) fresh.push_back(&boxes[boxesInEvents_]);
    return fresh;
}

void Runner::printHelp() {
    for (const auto& [name, command] : commands_) out_ << "  " << command.first << "\n";
    out_ << "  quit\n";
}

}  // namespace runner
