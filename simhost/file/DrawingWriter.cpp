#include "simhost/file/DrawingWriter.h"

#include <algorithm>

#include "platform/visio/VisioConstants.h"
#include "simhost/file/Base64.h"
#include "simhost/file/DrawingError.h"
#include "simhost/file/DrawingReader.h"
#include "simhost/file/FileNames.h"
#include "simhost/file/GlueOrder.h"
#include "simhost/file/JsonFields.h"
#include "simhost/file/JsonLayout.h"
#include "simhost/file/ShapeDefaults.h"
#include "simhost/file/SheetEncoder.h"
#include "simhost/host/Application.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Document.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"
#include "simhost/host/Shapes.h"

namespace simhost {
namespace {

Json partOf(int16_t part, const std::string& name) {
    return name.empty() ? Json(part) : Json(name);
}

int32_t highestShapeId(const Page& page) {
    int32_t highest = 0;
    for (Shape* shape : page.allShapes()) highest = std::max(highest, shape->id());
    return highest;
}

}  // namespace

bool DrawingWriter::write(Document& document, std::string* text, std::string* error) {
    DrawingWriter writer;
    Json root;
    try {
        root = writer.document(document);
    } catch (const DrawingError& e) {
        if (error) *error = e.what();
        return false;
    }
    return JsonLayout::print(root, text, error);
}

Json DrawingWriter::document(Document& document) {
    // The host has parsed every formula of the document already.
    if (Application* application = document.application()) checked_ = &application->formulas();
    Json out = Json::object();
    out["format"] = DrawingReader::kFormat;
    putText(out, "name", document.name());
    putText(out, "path", document.path());
    const DocumentProperties& p = document.properties();
    putText(out, "title", p.title);
    putText(out, "subject", p.subject);
    putText(out, "creator", p.creator);
    putText(out, "manager", p.manager);
    putText(out, "company", p.company);
    putText(out, "category", p.category);
    putText(out, "keywords", p.keywords);
    putText(out, "description", p.description);
    Json documentSheet =
        sheet(document.documentSheet()->sheet(), SheetKind::DocumentSheet, false, "/sheet");
    if (!documentSheet.empty()) out["sheet"] = std::move(documentSheet);
    Json pages = Json::array();
    int32_t expectedId = 0;
    int32_t highest = 0;
    for (Page* p : document.pageList()) {
        pages.push_back(page(*p, expectedId, JsonFields::child("/pages", pages.size())));
        expectedId = p->id() + 1;
        highest = std::max(highest, p->id());
    }
    // A file without pages could not be read again.
    if (pages.empty()) throw DrawingError("/pages", "the document has no page");
    if (document.nextPageId() != highest + 1) out["nextPageId"] = document.nextPageId();
    out["pages"] = std::move(pages);
    return out;
}

Json DrawingWriter::page(Page& page, int32_t expectedId, const std::string& path) {
    Json out = Json::object();
    out["name"] = page.name();
    if (page.id() != expectedId) out["id"] = page.id();
    if (page.isBackground()) out["background"] = true;
    if (page.backPage()) out["backPage"] = page.backPage()->name();
    Json pageSheet = sheet(page.pageSheet()->sheet(), SheetKind::PageSheet, false,
                           JsonFields::child(path, "sheet"));
    if (!pageSheet.empty()) out["sheet"] = std::move(pageSheet);
    if (page.nextShapeId() != highestShapeId(page) + 1) out["nextShapeId"] = page.nextShapeId();
    Json shapes = Json::array();
    for (const auto& s : page.shapeCollection().list())
        shapes.push_back(
            shape(*s, JsonFields::child(JsonFields::child(path, "shapes"), shapes.size())));
    if (!shapes.empty()) out["shapes"] = std::move(shapes);
    Json records = glue(page);
    if (!records.empty()) out["glue"] = std::move(records);
    return out;
}

Json DrawingWriter::shape(Shape& shape, const std::string& path) {
    SheetKind kind;
    if (!ShapeDefaults::kindOf(shape.type(), shape.isOneDShape(), &kind))
        throw DrawingError(path, "a kind of shape the drawing file cannot hold");
    int inherited = 0;
    int local = 0;
    const ShapeSheet& masterDefaults = defaults(kind, true);
    SheetEncoder::countInherited(shape.sheet(), masterDefaults, &inherited, &local);
    // Written as an instance, a cell's empty formula would stand over the master's, which
    // the file does not take.
    bool master =
        inherited > local && !SheetEncoder::holdsEmptyOverDefault(shape.sheet(), masterDefaults);
    Json out = Json::object();
    out["id"] = shape.id();
    putText(out, "name", shape.localName());
    if (shape.type() != visio::visTypeShape) out["type"] = FileNames::typeName(shape.type());
    if (shape.isOneDShape()) out["oneD"] = true;
    if (master) out["master"] = true;
    putText(out, "text", shape.text());
    if (!shape.imageBytes().empty()) out["image"] = Base64::encode(shape.imageBytes());
    Json differences = sheet(shape.sheet(), kind, master, path);
    for (auto& member : differences.items()) out[member.key()] = std::move(member.value());
    Json members = Json::array();
    for (const auto& m : shape.memberList())
        members.push_back(
            this->shape(*m, JsonFields::child(JsonFields::child(path, "shapes"), members.size())));
    if (!members.empty()) out["shapes"] = std::move(members);
    return out;
}

Json DrawingWriter::glue(const Page& page) {
    Json records = Json::array();
    for (Connect* record : GlueOrder::of(page)) {
        Json out = Json::object();
        out["from"] = record->from()->id();
        out["fromPart"] = partOf(record->fromPart(), FileNames::fromPartName(record->fromPart()));
        out["to"] = record->to()->id();
        out["toPart"] = partOf(record->toPart(), FileNames::toPartName(record->toPart()));
        records.push_back(std::move(out));
    }
    return records;
}

void DrawingWriter::putText(Json& out, const char* key, const std::string& value) {
    if (!value.empty()) out[key] = value;
}

Json DrawingWriter::sheet(const ShapeSheet& sheet, SheetKind kind, bool master,
                          const std::string& path) {
    Json out = Json::object();
    SheetEncoder::encode(sheet, defaults(kind, master), out);
    checkFormulas(out, path);
    return out;
}

// Text that does not parse could not be read back (nor written into a cell again).
void DrawingWriter::checkFormulas(const Json& sheet, const std::string& path) {
    auto check = [&](const std::string& formula, const std::string& where) {
        std::string error;
        if (!formula.empty() && !checked_->parse(formula, &error))
            throw DrawingError(where, "\"" + formula + "\" does not parse: " + error);
    };
    for (const char* key : {"cells", "inherited"}) {
        if (!sheet.contains(key)) continue;
        for (const auto& cell : sheet[key].items())
            check(cell.value(), JsonFields::child(JsonFields::child(path, key), cell.key()));
    }
    if (!sheet.contains("sections")) return;
    for (const auto& section : sheet["sections"].items()) {
        std::string where = JsonFields::child(JsonFields::child(path, "sections"), section.key());
        const Json* rows = &section.value();
        if (rows->is_object()) {
            where = JsonFields::child(where, "rows");
            rows = &(*rows)["rows"];
        }
        for (size_t r = 0; r < rows->size(); ++r) {
            for (const auto& cell : (*rows)[r].items()) {
                if (!cell.value().is_string() || cell.key() == "name" || cell.key() == "tag")
                    continue;
                check(cell.value(), JsonFields::child(JsonFields::child(where, r), cell.key()));
            }
        }
    }
}

const ShapeSheet& DrawingWriter::defaults(SheetKind kind, bool master) {
    auto key = std::make_pair(kind, master);
    auto it = defaults_.find(key);
    if (it == defaults_.end())
        it = defaults_.emplace(key, ShapeDefaults::sheetOf(kind, master, formulas_)).first;
    return it->second;
}

}  // namespace simhost
