#include "simhost/formula/FunctionTable.h"

#include <cctype>

namespace simhost::formula {

namespace {

constexpr int kAny = -1;

const FunctionInfo kFunctions[] = {
    {Function::Guard, "GUARD", 1, 1},
    {Function::Rgb, "RGB", 3, 3},
    {Function::If, "IF", 3, 3},
    {Function::Or, "OR", 1, kAny},
    {Function::And, "AND", 1, kAny},
    {Function::Not, "NOT", 1, 1},
    {Function::Min, "MIN", 1, kAny},
    {Function::Max, "MAX", 1, kAny},
    {Function::Int, "INT", 1, 1},
    {Function::Abs, "ABS", 1, 1},
    {Function::Round, "ROUND", 1, 2},
    {Function::Trunc, "TRUNC", 1, 2},
    {Function::Pnt, "PNT", 2, 2},
    {Function::PntX, "PNTX", 1, 1},
    {Function::PntY, "PNTY", 1, 1},
    {Function::Par, "PAR", 1, 1},
    {Function::GetRef, "GETREF", 1, 1},
    {Function::SetF, "SETF", 2, 2},
    {Function::RunAddonWArgs, "RUNADDONWARGS", 2, 2},
    {Function::RunAddon, "RUNADDON", 1, 1},
    {Function::StrSame, "STRSAME", 2, 3},
    {Function::Len, "LEN", 1, 1},
    {Function::Id, "ID", 0, 0},
};

std::string upper(const std::string& name) {
    std::string result = name;
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

}  // namespace

FunctionInfo FunctionTable::lookup(const std::string& name) {
    std::string key = upper(name);
    for (const FunctionInfo& info : kFunctions) {
        if (key == info.name) return info;
    }
    return FunctionInfo{};
}

bool FunctionTable::acceptsArgumentCount(const FunctionInfo& info, size_t count) {
    if (count < static_cast<size_t>(info.minArguments)) return false;
    return info.maxArguments == kAny || count <= static_cast<size_t>(info.maxArguments);
}

}  // namespace simhost::formula
