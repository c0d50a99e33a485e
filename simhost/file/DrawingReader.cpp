#include "simhost/file/DrawingReader.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <utility>

#include "platform/visio/VisioConstants.h"
#include "simhost/file/Base64.h"
#include "simhost/file/DrawingError.h"
#include "simhost/file/FileNames.h"
#include "simhost/file/JsonFields.h"
#include "simhost/file/ShapeDefaults.h"
#include "simhost/file/SheetDecoder.h"
#include "simhost/host/ObjectIds.h"

namespace simhost {
namespace {

constexpr int kDeepestGroup = 64;
constexpr int16_t kConnectionsSection = 7;
constexpr int16_t kFirstConnectionPoint = 100;

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int32_t readNumber(const Json& object, const char* key, const std::string& path, int64_t low,
                   int64_t high) {
    std::string where = JsonFields::child(path, key);
    if (!object.contains(key)) throw DrawingError(where, "missing");
    return static_cast<int32_t>(JsonFields::number(object[key], where, low, high));
}

int32_t readId(const Json& object, const char* key, const std::string& path, int64_t low) {
    return readNumber(object, key, path, low, ObjectIds::kLargest);
}

// The ID the next page or shape takes; one past the last ID says that none is left.
int32_t readNextId(const Json& object, const char* key, const std::string& path, int32_t highest) {
    return readNumber(object, key, path, static_cast<int64_t>(highest) + 1,
                      static_cast<int64_t>(ObjectIds::kLargest) + 1);
}

int16_t readPart(const Json& object, const char* key, const std::string& path, bool from) {
    std::string where = JsonFields::child(path, key);
    if (!object.contains(key)) throw DrawingError(where, "missing");
    const Json& value = object[key];
    if (!value.is_string()) {
        return static_cast<int16_t>(
            JsonFields::number(value, where, 1, std::numeric_limits<int16_t>::max()));
    }
    std::string name = value.get<std::string>();
    auto part = from ? FileNames::fromPartOfName(name) : FileNames::toPartOfName(name);
    if (!part) throw DrawingError(where, "\"" + name + "\" names no part that glue can hold");
    return *part;
}

// The JSON parser's own message without its code: "parse error at line 3, column 5: ...".
std::string syntaxMessage(const std::string& what) {
    size_t start = what.find("] ");
    return start == std::string::npos ? what : what.substr(start + 2);
}

}  // namespace

bool DrawingReader::read(const std::string& text, DrawingData* drawing, std::string* error) {
    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::exception& e) {
        if (error) *error = syntaxMessage(e.what());
        return false;
    }
    DrawingReader reader;
    DrawingData data;
    try {
        reader.readDocument(root, data);
    } catch (const DrawingError& e) {
        if (error) *error = e.what();
        return false;
    }
    *drawing = std::move(data);
    return true;
}

void DrawingReader::readDocument(const Json& root, DrawingData& drawing) {
    const std::string path;
    JsonFields::requireObject(root, path);
    JsonFields::allowKeys(
        root, path,
        {"format", "name", "path", "title", "subject", "creator", "manager", "company", "category",
         "keywords", "description", "sheet", "nextPageId", "pages"});
    std::string format = JsonFields::text(root, "format", path, kFormat);
    if (format != kFormat)
        throw DrawingError(JsonFields::child(path, "format"), "not a format this host reads");
    readProperties(root, drawing);
    readSheet(root.contains("sheet") ? root["sheet"] : Json::object(),
              JsonFields::child(path, "sheet"), SheetKind::DocumentSheet, false, drawing.sheet);
    std::string pagesPath = JsonFields::child(path, "pages");
    if (!root.contains("pages")) throw DrawingError(pagesPath, "missing");
    readPages(root["pages"], pagesPath, drawing);
    checkBackPages(pagesPath, drawing);
    int32_t highest = 0;
    for (const PageData& page : drawing.pages) highest = std::max(highest, page.id);
    drawing.nextPageId = highest + 1;
    if (root.contains("nextPageId")) {
        drawing.nextPageId = readNextId(root, "nextPageId", path, highest);
    }
}

void DrawingReader::readProperties(const Json& root, DrawingData& drawing) {
    const std::string path;
    drawing.name = JsonFields::text(root, "name", path, std::string());
    drawing.path = JsonFields::text(root, "path", path, std::string());
    DocumentProperties& p = drawing.properties;
    p.title = JsonFields::text(root, "title", path, std::string());
    p.subject = JsonFields::text(root, "subject", path, std::string());
    p.creator = JsonFields::text(root, "creator", path, std::string());
    p.manager = JsonFields::text(root, "manager", path, std::string());
    p.company = JsonFields::text(root, "company", path, std::string());
    p.category = JsonFields::text(root, "category", path, std::string());
    p.keywords = JsonFields::text(root, "keywords", path, std::string());
    p.description = JsonFields::text(root, "description", path, std::string());
}

void DrawingReader::readPages(const Json& pages, const std::string& path, DrawingData& drawing) {
    JsonFields::requireArray(pages, path);
    if (pages.empty()) throw DrawingError(path, "a drawing has at least one page");
    std::set<int32_t> ids;
    std::set<std::string> names;
    int32_t nextId = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        std::string where = JsonFields::child(path, i);
        PageData page;
        page.id = nextId;
        readPage(pages[i], where, page);
        if (!ids.insert(page.id).second)
            throw DrawingError(JsonFields::child(where, "id"), "another page has this ID");
        if (!names.insert(page.name).second)
            throw DrawingError(JsonFields::child(where, "name"), "another page has this name");
        nextId = page.id + 1;
        drawing.pages.push_back(std::move(page));
    }
}

void DrawingReader::readPage(const Json& value, const std::string& path, PageData& page) {
    JsonFields::requireObject(value, path);
    JsonFields::allowKeys(
        value, path,
        {"name", "id", "background", "backPage", "sheet", "nextShapeId", "shapes", "glue"});
    page.name = JsonFields::text(value, "name", path, std::string());
    if (page.name.empty()) throw DrawingError(JsonFields::child(path, "name"), "missing or empty");
    if (value.contains("id")) page.id = readId(value, "id", path, 0);
    page.background = JsonFields::flag(value, "background", path, false);
    page.backPage = JsonFields::text(value, "backPage", path, std::string());
    readSheet(value.contains("sheet") ? value["sheet"] : Json::object(),
              JsonFields::child(path, "sheet"), SheetKind::PageSheet, false, page.sheet);
    PageIndex index;
    if (value.contains("shapes"))
        readShapes(value["shapes"], JsonFields::child(path, "shapes"), 0, page.shapes, index);
    page.nextShapeId = index.highestId + 1;
    if (value.contains("nextShapeId"))
        page.nextShapeId = readNextId(value, "nextShapeId", path, index.highestId);
    indexShapes(page.shapes, index);
    if (value.contains("glue"))
        readGlue(value["glue"], JsonFields::child(path, "glue"), index, page.glue);
}

void DrawingReader::readShapes(const Json& list, const std::string& path, int depth,
                               std::vector<ShapeData>& shapes, PageIndex& index) {
    JsonFields::requireArray(list, path);
    if (depth > kDeepestGroup)
        throw DrawingError(path, "groups nested deeper than " + std::to_string(kDeepestGroup));
    shapes.resize(list.size());
    for (size_t i = 0; i < list.size(); ++i)
        readShape(list[i], JsonFields::child(path, i), depth, shapes[i], index);
}

void DrawingReader::readShape(const Json& value, const std::string& path, int depth,
                              ShapeData& shape, PageIndex& index) {
    JsonFields::requireObject(value, path);
    JsonFields::allowKeys(value, path,
                          {"id", "name", "type", "oneD", "master", "text", "image", "cells",
                           "inherited", "removed", "sections", "shapes"});
    shape.id = readId(value, "id", path, 1);
    if (!index.ids.insert(shape.id).second)
        throw DrawingError(JsonFields::child(path, "id"), "another shape on the page has this ID");
    index.highestId = std::max(index.highestId, shape.id);
    shape.name = JsonFields::text(value, "name", path, std::string());
    if (value.contains("name") && shape.name.empty())
        throw DrawingError(JsonFields::child(path, "name"), "empty");
    if (!shape.name.empty() && !index.names.insert(lower(shape.name)).second)
        throw DrawingError(JsonFields::child(path, "name"),
                           "another shape on the page has this name");
    std::string type = JsonFields::text(value, "type", path, "shape");
    auto typeNumber = FileNames::typeOfName(type);
    if (!typeNumber) throw DrawingError(JsonFields::child(path, "type"), "unknown shape type");
    shape.type = *typeNumber;
    shape.oneD = JsonFields::flag(value, "oneD", path, false);
    SheetKind kind;
    if (!ShapeDefaults::kindOf(shape.type, shape.oneD, &kind))
        throw DrawingError(JsonFields::child(path, "oneD"), "a " + type + " is never 1-D");
    shape.text = JsonFields::text(value, "text", path, std::string());
    readImage(value, path, shape);
    readSheet(value, path, kind, JsonFields::flag(value, "master", path, false), shape.sheet);
    if (!value.contains("shapes")) return;
    std::string membersPath = JsonFields::child(path, "shapes");
    if (shape.type != visio::visTypeGroup && !value["shapes"].empty())
        throw DrawingError(membersPath, "only groups hold shapes");
    readShapes(value["shapes"], membersPath, depth + 1, shape.members, index);
}

void DrawingReader::readImage(const Json& value, const std::string& path, ShapeData& shape) {
    if (!value.contains("image")) return;
    const std::string where = JsonFields::child(path, "image");
    if (shape.type != visio::visTypeForeignObject)
        throw DrawingError(where, "only foreign objects hold an image");
    std::optional<std::string> bytes = Base64::decode(JsonFields::text(value["image"], where));
    if (!bytes) throw DrawingError(where, "not base64");
    if (bytes->empty()) throw DrawingError(where, "empty");
    shape.image = std::move(*bytes);
}

void DrawingReader::readSheet(const Json& object, const std::string& path, SheetKind kind,
                              bool master, ShapeSheet& sheet) {
    JsonFields::requireObject(object, path);
    if (kind == SheetKind::PageSheet || kind == SheetKind::DocumentSheet)
        JsonFields::allowKeys(object, path, {"cells", "inherited", "removed", "sections"});
    sheet = ShapeDefaults::sheetOf(kind, master, formulas_);
    SheetDecoder(formulas_).decode(object, path, sheet);
}

void DrawingReader::indexShapes(const std::vector<ShapeData>& shapes, PageIndex& index) {
    for (const ShapeData& shape : shapes) {
        index.shapes[shape.id] = &shape;
        indexShapes(shape.members, index);
    }
}

void DrawingReader::readGlue(const Json& list, const std::string& path, const PageIndex& index,
                             std::vector<GlueData>& glue) {
    JsonFields::requireArray(list, path);
    std::set<std::pair<int32_t, int16_t>> glued;
    for (size_t i = 0; i < list.size(); ++i) {
        std::string where = JsonFields::child(path, i);
        const Json& value = list[i];
        JsonFields::requireObject(value, where);
        JsonFields::allowKeys(value, where, {"from", "fromPart", "to", "toPart"});
        GlueData record;
        record.from = readId(value, "from", where, 1);
        record.to = readId(value, "to", where, 1);
        record.fromPart = readPart(value, "fromPart", where, true);
        record.toPart = readPart(value, "toPart", where, false);
        if (!index.shapes.count(record.from))
            throw DrawingError(JsonFields::child(where, "from"),
                               "no shape on the page has this ID");
        auto to = index.shapes.find(record.to);
        if (to == index.shapes.end())
            throw DrawingError(JsonFields::child(where, "to"), "no shape on the page has this ID");
        if (record.from == record.to) throw DrawingError(where, "a shape is not glued to itself");
        if (record.toPart >= kFirstConnectionPoint &&
            !to->second->sheet.rowExists(
                kConnectionsSection, static_cast<int16_t>(record.toPart - kFirstConnectionPoint)))
            throw DrawingError(
                JsonFields::child(where, "toPart"),
                "shape " + std::to_string(record.to) + " has no such connection point");
        if (!glued.insert({record.from, record.fromPart}).second)
            throw DrawingError(where, "this part of the shape is glued twice");
        glue.push_back(record);
    }
}

void DrawingReader::checkBackPages(const std::string& path, const DrawingData& drawing) {
    for (size_t i = 0; i < drawing.pages.size(); ++i) {
        const PageData& page = drawing.pages[i];
        if (page.backPage.empty()) continue;
        std::string where = JsonFields::child(JsonFields::child(path, i), "backPage");
        auto back = std::find_if(drawing.pages.begin(), drawing.pages.end(),
                                 [&](const PageData& p) { return p.name == page.backPage; });
        if (back == drawing.pages.end()) throw DrawingError(where, "no page has this name");
        if (&*back == &page) throw DrawingError(where, "a page does not stand behind itself");
        if (!back->background) throw DrawingError(where, "not a background page");
    }
}

}  // namespace simhost
