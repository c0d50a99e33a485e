#include "resources/StringTable.h"

#include <map>

#include "resources/Toolbar160Simulation.h"

namespace {

// Kept equal to the STRINGTABLE of QAVSupportTools.rc.
const std::map<int32_t, std::string>& table() {
    static const std::map<int32_t, std::string> strings = {
        {toolbar160::kReset, "Reset - return to initial marking"},
        {toolbar160::kAutoSim, "AutoSim - conflicts/concurrencies are decided automatically"},
        {toolbar160::kSemiAutoSim, "SemiAutoSim - Holds on conflicts and on concurrency"},
        {toolbar160::kStepBack, "One Step Back"},
        {toolbar160::kStepForward, "One Step Forward"},
    };
    return strings;
}

}  // namespace

std::string loadResourceString(int32_t id, std::size_t bufferBytes) {
    auto it = table().find(id);
    if (it == table().end() || bufferBytes == 0) return std::string();
    return it->second.substr(0, bufferBytes - 1);
}
