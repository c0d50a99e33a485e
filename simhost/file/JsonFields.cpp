#include "simhost/file/JsonFields.h"

#include "simhost/file/DrawingError.h"

namespace simhost {
namespace {

const char* kindOf(const Json& value) {
    switch (value.type()) {
        case Json::value_t::object:
            return "an object";
        case Json::value_t::array:
            return "an array";
        case Json::value_t::string:
            return "a string";
        case Json::value_t::boolean:
            return "true or false";
        case Json::value_t::null:
            return "null";
        default:
            return "a number";
    }
}

[[noreturn]] void wrongType(const Json& value, const std::string& path, const char* wanted) {
    throw DrawingError(path, std::string("expected ") + wanted + ", found " + kindOf(value));
}

}  // namespace

std::string JsonFields::child(const std::string& path, const std::string& key) {
    std::string escaped;
    for (char c : key) {
        if (c == '~') {
            escaped += "~0";
        } else if (c == '/') {
            escaped += "~1";
        } else {
            escaped += c;
        }
    }
    return path + "/" + escaped;
}

std::string JsonFields::child(const std::string& path, size_t index) {
    return path + "/" + std::to_string(index);
}

void JsonFields::requireObject(const Json& value, const std::string& path) {
    if (!value.is_object()) wrongType(value, path, "an object");
}

void JsonFields::requireArray(const Json& value, const std::string& path) {
    if (!value.is_array()) wrongType(value, path, "an array");
}

void JsonFields::allowKeys(const Json& object, const std::string& path,
                           std::initializer_list<const char*> keys) {
    for (const auto& member : object.items()) {
        bool known = false;
        for (const char* key : keys) known = known || member.key() == key;
        if (!known) throw DrawingError(child(path, member.key()), "unknown key");
    }
}

std::string JsonFields::text(const Json& value, const std::string& path) {
    if (!value.is_string()) wrongType(value, path, "a string");
    return value.get<std::string>();
}

bool JsonFields::flag(const Json& value, const std::string& path) {
    if (!value.is_boolean()) wrongType(value, path, "true or false");
    return value.get<bool>();
}

int64_t JsonFields::number(const Json& value, const std::string& path, int64_t low, int64_t high) {
    if (!value.is_number_integer()) wrongType(value, path, "a whole number");
    bool inRange = false;
    int64_t n = 0;
    if (value.is_number_unsigned()) {
        uint64_t u = value.get<uint64_t>();
        inRange = u <= static_cast<uint64_t>(high);
        n = inRange ? static_cast<int64_t>(u) : high;
    } else {
        n = value.get<int64_t>();
        inRange = n <= high;
    }
    if (!inRange || n < low) {
        throw DrawingError(path, "expected a whole number from " + std::to_string(low) + " to " +
                                     std::to_string(high));
    }
    return n;
}

std::string JsonFields::text(const Json& object, const char* key, const std::string& path,
                             const std::string& otherwise) {
    auto it = object.find(key);
    return it == object.end() ? otherwise : text(*it, child(path, key));
}

bool JsonFields::flag(const Json& object, const char* key, const std::string& path,
                      bool otherwise) {
    auto it = object.find(key);
    return it == object.end() ? otherwise : flag(*it, child(path, key));
}

}  // namespace simhost
