// The per-user settings file: one setting per line, the key, "=", the value and CR LF;
// no header, sections, comments or escaping. A line's key is the text before its first
// "="; lines without "=" or starting with it are no settings and are kept as they are.
//
// The file may have been edited by hand, so the walk takes it as it comes: a line ends
// at CR LF, LF or a lone CR, or at the end of the file; a line may be of any length and
// hold any byte. A write changes only the one line of its key (or appends one) and keeps
// every other byte; the system writes the new content beside the file and then puts it
// in the file's place (through a symbolic link, in the link's target), so a write that
// fails leaves the file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/os/System.h"

class SettingsFile {
public:
    static constexpr char kFileName[] = ".QAVSupportTools.settings";

    enum class WriteResult {
        Written,
        // There is no settings folder, so there is no file to write.
        NoFolder,
        // A key must be a line's text before its "=", a value the rest of one line.
        RefusedText,
        // The file is there but cannot be read: writing would lose its other lines.
        Unreadable,
        // The new content could not be written or put in the file's place.
        NotWritten,
    };

    // Where one setting stands in the file's content: offsets of the line's first
    // character, of its value, of the end of its value (where the line end starts) and
    // of the next line.
    struct Line {
        std::size_t begin = 0;
        std::size_t valueBegin = 0;
        std::size_t valueEnd = 0;
        std::size_t next = 0;
    };

    // The file in the user's roaming settings folder; empty when there is no folder.
    static std::string defaultPath();

    // An empty path stands for no file: nothing is found, nothing can be written.
    explicit SettingsFile(std::string path);

    const std::string& path() const { return path_; }

    // The value of the first line with the key; true when there is one. The line's byte
    // offset goes to lineOffset when given. When false, both targets stay as they were.
    bool read(const std::string& key, std::string* value, int32_t* lineOffset) const;
    // Replaces the value of the first line with the key, or appends a line for it, or
    // creates the file with that line.
    WriteResult write(const std::string& key, const std::string& value) const;

    // --- The walk over the content, apart from the file

    // The first line whose key is the key (case-sensitive, whole key).
    static std::optional<Line> findLine(const std::string& content, const std::string& key);
    // The content with the key's line replaced in place, or with a line appended.
    static std::string withSetting(const std::string& content, const std::string& key,
                                   const std::string& value);
    // A key and value that make exactly one line which reads back as this key and value.
    static bool isStorable(const std::string& key, const std::string& value);

private:
    os::ReadResult load(std::string& content) const;
    bool store(const std::string& content) const;

    std::string path_;
};
