#include "simhost/file/JsonLayout.h"

#include "simhost/file/DrawingError.h"
#include "simhost/file/JsonFields.h"

namespace simhost {
namespace {

constexpr size_t kWidth = 100;

}  // namespace

bool JsonLayout::print(const Json& value, std::string* text, std::string* error) {
    std::string out;
    try {
        JsonLayout(out).value(value, std::string(), 0, 0);
    } catch (const DrawingError& e) {
        if (error) *error = e.what();
        return false;
    }
    out += "\n";
    *text = std::move(out);
    return true;
}

bool JsonLayout::isFlat(const Json& value) {
    for (const auto& member : value) {
        if (member.is_object()) return false;
        if (member.is_array() && !isFlat(member)) return false;
    }
    return true;
}

std::string JsonLayout::scalar(const Json& value, const std::string& path) const {
    try {
        return value.dump(-1, ' ', false, Json::error_handler_t::strict);
    } catch (const Json::exception&) {
        throw DrawingError(path, "text that is not valid UTF-8");
    }
}

std::string JsonLayout::oneLine(const Json& value, const std::string& path) const {
    bool object = value.is_object();
    std::string line = object ? "{" : "[";
    size_t i = 0;
    for (const auto& member : value.items()) {
        if (i > 0) line += ", ";
        std::string where =
            object ? JsonFields::child(path, member.key()) : JsonFields::child(path, i);
        if (object) line += scalar(Json(member.key()), where) + ": ";
        line += member.value().is_array() ? oneLine(member.value(), where)
                                          : scalar(member.value(), where);
        ++i;
    }
    return line + (object ? "}" : "]");
}

void JsonLayout::value(const Json& value, const std::string& path, size_t indent, size_t column) {
    if (!value.is_structured()) {
        out_ += scalar(value, path);
        return;
    }
    if (value.empty()) {
        out_ += value.is_object() ? "{}" : "[]";
        return;
    }
    if (isFlat(value)) {
        std::string line = oneLine(value, path);
        if (column + line.size() <= kWidth) {
            out_ += line;
            return;
        }
    }
    container(value, path, indent);
}

void JsonLayout::container(const Json& value, const std::string& path, size_t indent) {
    bool object = value.is_object();
    out_ += object ? "{\n" : "[\n";
    std::string inner(indent + 2, ' ');
    size_t i = 0;
    for (const auto& member : value.items()) {
        if (i > 0) out_ += ",\n";
        out_ += inner;
        std::string where =
            object ? JsonFields::child(path, member.key()) : JsonFields::child(path, i);
        size_t column = inner.size();
        if (object) {
            std::string key = scalar(Json(member.key()), where) + ": ";
            out_ += key;
            column += key.size();
        }
        this->value(member.value(), where, indent + 2, column);
        ++i;
    }
    out_ += "\n" + std::string(indent, ' ') + (object ? "}" : "]");
}

}  // namespace simhost
