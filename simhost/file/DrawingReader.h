// Reads a drawing file's text into DrawingData, checking everything the host would not
// take: JSON errors name their line and column, every other fault the JSON pointer of
// the value at fault. Reading touches no host, so a file that fails loads nothing.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "simhost/file/DrawingData.h"
#include "simhost/file/Json.h"
#include "simhost/host/DefaultCells.h"
#include "simhost/host/FormulaCache.h"

namespace simhost {

class DrawingReader {
public:
    // The value of the "format" member, which a file may leave out.
    static constexpr char kFormat[] = "qavhost drawing 1";

    // False with *error when the text is no drawing file this host can load.
    static bool read(const std::string& text, DrawingData* drawing, std::string* error);

private:
    // The IDs and names in use on one page (case does not count in names), and once the
    // page's shapes are read, the shapes by ID.
    struct PageIndex {
        std::set<int32_t> ids;
        std::map<int32_t, const ShapeData*> shapes;
        std::set<std::string> names;
        int32_t highestId = 0;
    };

    void readDocument(const Json& root, DrawingData& drawing);
    void readProperties(const Json& root, DrawingData& drawing);
    void readPages(const Json& pages, const std::string& path, DrawingData& drawing);
    void readPage(const Json& value, const std::string& path, PageData& page);
    void readShapes(const Json& list, const std::string& path, int depth,
                    std::vector<ShapeData>& shapes, PageIndex& index);
    void readShape(const Json& value, const std::string& path, int depth, ShapeData& shape,
                   PageIndex& index);
    static void readImage(const Json& value, const std::string& path, ShapeData& shape);
    void readSheet(const Json& object, const std::string& path, SheetKind kind, bool master,
                   ShapeSheet& sheet);
    void readGlue(const Json& list, const std::string& path, const PageIndex& index,
                  std::vector<GlueData>& glue);
    static void indexShapes(const std::vector<ShapeData>& shapes, PageIndex& index);
    static void checkBackPages(const std::string& path, const DrawingData& drawing);

    FormulaCache formulas_;
};

}  // namespace simhost
