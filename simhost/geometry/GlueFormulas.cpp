#include "simhost/geometry/GlueFormulas.h"

#include <cctype>
#include <cstdlib>
#include <utility>
#include <vector>

#include "simhost/formula/Formula.h"
#include "simhost/host/Connect.h"
#include "simhost/host/Shape.h"

namespace simhost::geometry {
namespace {

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The formula without blanks, except inside quoted names and texts.
std::string compact(const std::string& formula) {
    std::string result;
    char quote = 0;
    for (char c : formula) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            continue;
        }
        result += c;
    }
    return result;
}

// The arguments of a call's argument list, split at the separators outside brackets
// and quotes (either list separator).
std::vector<std::string> splitArguments(const std::string& list) {
    std::vector<std::string> parts(1);
    int depth = 0;
    char quote = 0;
    for (char c : list) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if ((c == ',' || c == ';') && depth == 0) {
            parts.emplace_back();
            continue;
        }
        parts.back() += c;
    }
    return parts;
}

std::string connectionCell(char axis, int16_t part) {
    return "!Connections." + std::string(1, axis) +
           std::to_string(part - GlueFormulas::kFirstPoint + 1);
}

}  // namespace

std::string GlueFormulas::toPoint(Shape& target, int16_t part) {
    const std::string sheet = target.NameID();
    return "PAR(PNT(" + sheet + connectionCell('X', part) + "," + sheet +
           connectionCell('Y', part) + "))";
}

std::string GlueFormulas::toBoxPoint(Shape& target, double widthFraction, double heightFraction) {
    const std::string sheet = target.NameID();
    return "PAR(PNT(" + sheet + "!Width*" + formula::formatNumber(widthFraction) + "," + sheet +
           "!Height*" + formula::formatNumber(heightFraction) + "))";
}

std::optional<GlueFormulas::Reference> GlueFormulas::reference(const std::string& argument) {
    size_t bang;
    if (!argument.empty() && argument.front() == '\'') {
        size_t close = argument.find('\'', 1);
        if (close == std::string::npos || close + 1 >= argument.size() ||
            argument[close + 1] != '!')
            return std::nullopt;
        bang = close + 1;
    } else {
        bang = argument.find('!');
        if (bang == std::string::npos || bang == 0) return std::nullopt;
    }
    return Reference{argument.substr(0, bang), argument.substr(bang + 1)};
}

std::optional<std::pair<GlueFormulas::Reference, GlueFormulas::Reference>>
GlueFormulas::pointArguments(const std::string& formula) {
    std::string text = compact(formula);
    if (!text.empty() && text.front() == '=') text.erase(0, 1);
    const std::string open = "PAR(PNT(", close = "))";
    std::string head = upper(text.substr(0, open.size()));
    if (head != open || text.size() < open.size() + close.size() ||
        text.compare(text.size() - close.size(), close.size(), close) != 0)
        return std::nullopt;
    auto arguments =
        splitArguments(text.substr(open.size(), text.size() - open.size() - close.size()));
    if (arguments.size() != 2) return std::nullopt;
    auto x = reference(arguments[0]);
    auto y = reference(arguments[1]);
    if (!x || !y) return std::nullopt;
    return std::make_pair(*x, *y);
}

int GlueFormulas::connectionNumber(const std::string& cell, char axis) {
    const std::string prefix = std::string("CONNECTIONS.") + axis;
    std::string name = upper(cell);
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size()) return 0;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
    return std::atoi(name.c_str() + prefix.size());
}

GlueTarget GlueFormulas::targetOf(Shape& shape, int16_t endPart) {
    CellAddress x = Connect::cellOfPart(endPart);
    CellAddress y{x.section, x.row, static_cast<int16_t>(x.cell + 1)};
    const SheetCell* xCell = shape.sheet().cell(x);
    const SheetCell* yCell = shape.sheet().cell(y);
    if (!xCell || !yCell) return {};
    auto first = pointArguments(xCell->formula);
    auto second = pointArguments(yCell->formula);
    if (!first || !second) return {};
    // Both cells take the same point, each its own coordinate of it.
    if (upper(first->first.sheet) != upper(second->first.sheet) ||
        upper(first->first.sheet) != upper(first->second.sheet) ||
        upper(first->first.cell) != upper(second->first.cell) ||
        upper(first->second.cell) != upper(second->second.cell))
        return {};
    Shape* target = shape.resolveSheet(first->first.sheet);
    if (!target || target == &shape || target->isSheetOnly() || target->page() != shape.page() ||
        target->isInside(shape))
        return {};
    int n = connectionNumber(first->first.cell, 'X');
    if (n > 0 && n == connectionNumber(first->second.cell, 'Y'))
        return {target, static_cast<int16_t>(kFirstPoint + n - 1)};
    return {target, kWholeShape};
}

}  // namespace simhost::geometry
