#include "core/SettingsFile.h"

#include <algorithm>
#include <utility>

#include "platform/os/System.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

bool isLineEndChar(char c) {
    return c == '\r' || c == '\n';
}

// Where the line that starts at begin ends (its line end not included).
std::size_t lineEndOf(const std::string& content, std::size_t begin) {
    auto end = std::find_if(content.begin() + static_cast<std::ptrdiff_t>(begin), content.end(),
                            isLineEndChar);
    return static_cast<std::size_t>(end - content.begin());
}

// Past the line end at end: CR LF, LF or a lone CR; nothing at the end of the content.
std::size_t nextLineAfter(const std::string& content, std::size_t end) {
    if (end >= content.size()) return content.size();
    if (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') {
        return end + 2;
    }
    return end + 1;
}

// The line's key when it has one: text before its first "=", which is not its first
// character.
bool lineHasKey(const std::string& content, std::size_t begin, std::size_t end,
                const std::string& key, std::size_t& equals) {
    auto first = content.begin() + static_cast<std::ptrdiff_t>(begin);
    auto found = std::find(first, content.begin() + static_cast<std::ptrdiff_t>(end), '=');
    equals = static_cast<std::size_t>(found - content.begin());
    if (equals == end || equals == begin) return false;
    return equals - begin == key.size() && content.compare(begin, key.size(), key) == 0;
}

bool endsOpen(const std::string& content) {
    return !content.empty() && !isLineEndChar(content.back());
}

bool holdsLineBreakOrNul(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

std::string SettingsFile::defaultPath() {
    std::string folder = os::System::current().roamingSettingsFolder();
    if (folder.empty()) return std::string();
    return folder + os::kPathSeparator + kFileName;
}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

bool SettingsFile::read(const std::string& key, std::string* value, int32_t* lineOffset) const {
    std::string content;
    if (load(content) != os::ReadResult::Read) return false;
    std::optional<Line> line = findLine(content, key);
    if (!line) return false;
    if (value) *value = content.substr(line->valueBegin, line->valueEnd - line->valueBegin);
    if (lineOffset) *lineOffset = static_cast<int32_t>(line->begin);
    return true;
}

SettingsFile::WriteResult SettingsFile::write(const std::string& key,
                                              const std::string& value) const {
    if (path_.empty()) return WriteResult::NoFolder;
    if (!isStorable(key, value)) return WriteResult::RefusedText;
    std::string content;
    if (load(content) == os::ReadResult::Failed) return WriteResult::Unreadable;
    if (!store(withSetting(content, key, value))) return WriteResult::NotWritten;
    return WriteResult::Written;
}

std::optional<SettingsFile::Line> SettingsFile::findLine(const std::string& content,
                                                         const std::string& key) {
    std::size_t begin = 0;
    while (begin < content.size()) {
        std::size_t end = lineEndOf(content, begin);
        std::size_t next = nextLineAfter(content, end);
        std::size_t equals = 0;
        if (lineHasKey(content, begin, end, key, equals)) {
            return Line{begin, equals + 1, end, next};
        }
        begin = next;
    }
    return std::nullopt;
}

std::string SettingsFile::withSetting(const std::string& content, const std::string& key,
                                      const std::string& value) {
    const std::string line = key + "=" + value + kLineEnd;
    if (std::optional<Line> old = findLine(content, key)) {
        return content.substr(0, old->begin) + line + content.substr(old->next);
    }
    // A last line without line end (edited by hand) keeps its text and gets one.
    return content + (endsOpen(content) ? kLineEnd : "") + line;
}

bool SettingsFile::isStorable(const std::string& key, const std::string& value) {
    return !key.empty() && key.find('=') == std::string::npos && !holdsLineBreakOrNul(key) &&
           !holdsLineBreakOrNul(value);
}

os::ReadResult SettingsFile::load(std::string& content) const {
    if (path_.empty()) return os::ReadResult::Missing;
    return os::System::current().readFile(path_, content);
}

bool SettingsFile::store(const std::string& content) const {
    return os::System::current().writeFile(path_, content);
}
