// Reads the sheet members of a drawing file's shape, page or document into a ShapeSheet
// that already holds the defaults of its kind: "removed" takes default rows and sections
// away, "sections" replaces or adds whole sections, then "inherited" and "cells" set
// cells by name (adding the rows and sections they need), as a ShapeSpec would.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "simhost/file/Json.h"
#include "simhost/sheet/ShapeSheet.h"

namespace simhost {

class FormulaCache;
namespace formula {
class Expression;
}

class SheetDecoder {
public:
    explicit SheetDecoder(FormulaCache& cache) : cache_(cache) {}

    // Throws DrawingError naming the JSON pointer of what it cannot use.
    void decode(const Json& object, const std::string& path, ShapeSheet& sheet);

private:
    void removeDefaults(const Json& list, const std::string& path, ShapeSheet& sheet);
    void readSections(const Json& sections, const std::string& path, ShapeSheet& sheet);
    void readSection(int16_t section, const Json& value, const std::string& path,
                     ShapeSheet& sheet);
    // Answers the row's number.
    int16_t readRow(int16_t section, int16_t position, const Json& value, const std::string& path,
                    ShapeSheet& sheet);
    int16_t addRow(int16_t section, int16_t position, const Json& value, const std::string& path,
                   int16_t tag, bool inherited, ShapeSheet& sheet);
    void readCells(const Json& cells, const std::string& path, bool inherited, ShapeSheet& sheet);
    void setFormula(SheetCell& cell, const std::string& formula, bool inherited,
                    const std::string& path);
    std::shared_ptr<const formula::Expression> parse(const std::string& text,
                                                     const std::string& path);

    FormulaCache& cache_;
    std::set<int16_t> removedSections_;
};

}  // namespace simhost
