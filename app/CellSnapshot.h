// The formulas of every cell of a document at one moment, sheet by sheet (the document
// sheet, each page sheet, each shape), so that "show" can tell what changed since.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace simhost {
class Document;
class Shape;
}  // namespace simhost

namespace runner {

class CellSnapshot {
public:
    static CellSnapshot of(simhost::Document& document);

    // One line per change from earlier to later, in the order of the sheets: a cell with
    // its formula before and after ("(none)" where it did not exist), or a shape or page
    // that came or went.
    static std::vector<std::string> changes(const CellSnapshot& earlier, const CellSnapshot& later);

private:
    // (page ID, shape ID): the document sheet is (-1, 0), a page sheet (page, 0).
    using SheetKey = std::pair<int32_t, int32_t>;
    struct Sheet {
        std::string label;  // how a change line names the sheet
        std::map<std::string, std::string> formulas;
    };

    void take(const SheetKey& key, std::string label, simhost::Shape& sheet);
    static std::string formulaText(const std::string& formula);
    static void compare(const Sheet& before, const Sheet& after, std::vector<std::string>& out);

    std::map<SheetKey, Sheet> sheets_;
};

}  // namespace runner
