// Writes a document of the host as a drawing file: its properties, its document sheet,
// its pages with their sheets, shapes (groups to any depth) and glue records. Whatever
// equals what the file format takes by default is left out, so that the file shows what
// makes this drawing what it is; reading it back gives the same document.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "simhost/file/Json.h"
#include "simhost/host/DefaultCells.h"
#include "simhost/host/FormulaCache.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

class Document;
class Page;
class Shape;

class DrawingWriter {
public:
    // False with *error when the document holds something the file cannot (text that is
    // not UTF-8, a formula that does not parse).
    static bool write(Document& document, std::string* text, std::string* error);

private:
    Json document(Document& document);
    Json page(Page& page, int32_t expectedId, const std::string& path);
    Json shape(Shape& shape, const std::string& path);
    static Json glue(const Page& page);
    static void putText(Json& out, const char* key, const std::string& value);
    Json sheet(const ShapeSheet& sheet, SheetKind kind, bool master, const std::string& path);
    void checkFormulas(const Json& sheet, const std::string& path);
    const ShapeSheet& defaults(SheetKind kind, bool master);

    FormulaCache formulas_;
    // Where the formulas written are looked up to see that they parse.
    FormulaCache* checked_ = &formulas_;
    std::map<std::pair<SheetKind, bool>, ShapeSheet> defaults_;
};

}  // namespace simhost
