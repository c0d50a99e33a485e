// The settings file's walk over its lines (SettingsFile::findLine, withSetting,
// isStorable) against a line splitter of its own: a line ends at CR LF, LF or a lone CR,
// or at the end of the content; its key is the text before its first "=", when that is
// not its first character.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/SettingsFile.h"

namespace {

struct Line {
    size_t begin = 0;
    size_t end = 0;  // where its line end starts
    size_t next = 0;
    std::optional<std::string> key;
    std::string value;
};

std::vector<Line> splitLines(const std::string& content) {
    std::vector<Line> lines;
    size_t at = 0;
    while (at < content.size()) {
        Line line;
        line.begin = at;
        while (at < content.size() && content[at] != '\r' && content[at] != '\n') ++at;
        line.end = at;
        if (at < content.size()) at += content.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        line.next = at;
        std::string text = content.substr(line.begin, line.end - line.begin);
        size_t equals = text.find('=');
        if (equals != std::string::npos && equals > 0) {
            line.key = text.substr(0, equals);
            line.value = text.substr(equals + 1);
        }
        lines.push_back(line);
    }
    return lines;
}

const Line* firstWithKey(const std::vector<Line>& lines, const std::string& key) {
    for (const Line& line : lines)
        if (line.key == key) return &line;
    return nullptr;
}

void require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkFind(const std::string& content, const std::string& key) {
    const std::vector<Line> lines = splitLines(content);
    const Line* expected = firstWithKey(lines, key);
    std::optional<SettingsFile::Line> found = SettingsFile::findLine(content, key);
    require(found.has_value() == (expected != nullptr), "findLine finds another line");
    if (!found) return;
    require(found->begin == expected->begin && found->next == expected->next &&
                found->valueEnd == expected->end &&
                found->valueBegin == expected->begin + key.size() + 1,
            "findLine answers other offsets");
}

void checkStorable(const std::string& key, const std::string& value) {
    const std::vector<Line> lines = splitLines(key + "=" + value + "\r\n");
    bool readsBack = lines.size() == 1 && lines[0].key == key && lines[0].value == value;
    bool storable = SettingsFile::isStorable(key, value);
    bool nul = (key + value).find('\0') != std::string::npos;
    require(storable ? readsBack && !nul : !readsBack || nul, "isStorable misjudges the line");
}

void checkWrite(const std::string& content, const std::string& key, const std::string& value) {
    if (!SettingsFile::isStorable(key, value)) return;
    const std::string written = SettingsFile::withSetting(content, key, value);
    const std::vector<Line> before = splitLines(content);
    const std::vector<Line> after = splitLines(written);
    const Line* mine = firstWithKey(after, key);
    require(mine && mine->value == value, "the written setting does not read back");
    // Every other line keeps its bytes, in order; a last line without line end gets one.
    std::string others, othersBefore;
    for (const Line& line : after)
        if (&line != mine) others += written.substr(line.begin, line.end - line.begin) + "\n";
    const Line* old = firstWithKey(before, key);
    for (const Line& line : before)
        if (&line != old) othersBefore += content.substr(line.begin, line.end - line.begin) + "\n";
    require(others == othersBefore, "a write changes another line");
    if (old) {
        require(written.compare(0, old->begin, content, 0, old->begin) == 0 &&
                    written.compare(written.size() - (content.size() - old->next),
                                    std::string::npos, content, old->next) == 0,
                "a write moves the bytes around its line");
    } else {
        require(written.compare(0, content.size(), content) == 0, "an append changes the content");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string key = input.ConsumeRandomLengthString(64);
    const std::string value = input.ConsumeRandomLengthString(64);
    const std::string content = input.ConsumeRemainingBytesAsString();
    checkFind(content, key);
    checkStorable(key, value);
    checkWrite(content, key, value);
    return 0;
}
