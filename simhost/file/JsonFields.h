// Typed reads of the values of a drawing file, each naming its JSON pointer when the
// value is not what the format wants (a DrawingError).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "simhost/file/Json.h"

namespace simhost {

class JsonFields {
public:
    // The pointer of a member or an element below path.
    static std::string child(const std::string& path, const std::string& key);
    static std::string child(const std::string& path, size_t index);

    static void requireObject(const Json& value, const std::string& path);
    static void requireArray(const Json& value, const std::string& path);
    // Every key of the object is one of these.
    static void allowKeys(const Json& object, const std::string& path,
                          std::initializer_list<const char*> keys);

    static std::string text(const Json& value, const std::string& path);
    static bool flag(const Json& value, const std::string& path);
    // A whole number from low to high.
    static int64_t number(const Json& value, const std::string& path, int64_t low, int64_t high);

    // Members that may be missing: the default then.
    static std::string text(const Json& object, const char* key, const std::string& path,
                            const std::string& otherwise);
    static bool flag(const Json& object, const char* key, const std::string& path, bool otherwise);
};

}  // namespace simhost
