// What the tools are created with when Visio first reports that it is idle, and what
// the tools created first offer the ones after them.
#pragma once

#include <functional>

#include "platform/visio/VApplication.h"

class CellDisplays;
class ConsistencyChecker;
class DiagramTypeHolder;
class SupportTool;

struct ToolStartContext {
    // Each tool takes its own counted reference from this one.
    visio::VApplication application;
    // Shared by the checker and the simulator; owned by the controller.
    DiagramTypeHolder* diagramTypeHolder = nullptr;
    // The tools that show things in the user's cells join it; owned by the controller.
    CellDisplays* cellDisplays = nullptr;
    // Set by the factory of the consistency checker: the simulator calls it directly.
    ConsistencyChecker* consistencyChecker = nullptr;
    // Set by the factory of the preferences tool once that tool exists: registration
    // gives a tool a page in the preference sheet and a button on the command bar, and
    // the command bar is built once every tool is registered.
    std::function<void(SupportTool*)> registerTool;
    std::function<void()> buildCommandBar;
};
