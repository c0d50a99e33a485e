// Prints the drawing file's JSON for people and diffs: two spaces of indent, and an
// object or array that holds no object goes on one line when it fits in 100 columns
// (a geometry row, a short list), else one member per line. Text is kept as UTF-8.
#pragma once

#include <string>

#include "simhost/file/Json.h"

namespace simhost {

class JsonLayout {
public:
    // False with *error (naming the JSON pointer) when a string is not valid UTF-8.
    static bool print(const Json& value, std::string* text, std::string* error);

private:
    explicit JsonLayout(std::string& out) : out_(out) {}
    void value(const Json& value, const std::string& path, size_t indent, size_t column);
    void container(const Json& value, const std::string& path, size_t indent);
    std::string scalar(const Json& value, const std::string& path) const;
    std::string oneLine(const Json& value, const std::string& path) const;
    static bool isFlat(const Json& value);

    std::string& out_;
};

}  // namespace simhost
