// The ShapeSheet functions the engine knows, by name, with the arguments they take.
#pragma once

#include <string>

namespace simhost::formula {

enum class Function {
    Unknown,
    Guard,
    Rgb,
    If,
    Or,
    And,
    Not,
    Min,
    Max,
    Int,
    Abs,
    Round,
    Trunc,
    Pnt,
    PntX,
    PntY,
    Par,
    GetRef,
    SetF,
    RunAddonWArgs,
    RunAddon,
    StrSame,
    Len,
    Id,
};

struct FunctionInfo {
    Function function = Function::Unknown;
    const char* name = "";
    int minArguments = 0;
    int maxArguments = 0;  // -1: any number
};

class FunctionTable {
public:
    // Case-insensitive; Function::Unknown for a name Visio would answer with "#NAME?".
    static FunctionInfo lookup(const std::string& name);
    static bool acceptsArgumentCount(const FunctionInfo& info, size_t count);
};

}  // namespace simhost::formula
