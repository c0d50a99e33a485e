// The table from which the main controller creates its tools, in their fixed order.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/SupportTool.h"
#include "core/ToolStartContext.h"

struct ToolFactory {
    // Creates the tool; may fill in what later tools need from it (see ToolStartContext).
    std::function<std::unique_ptr<SupportTool>(ToolStartContext&)> create;
    // Registered tools get a preference page and a command-bar button.
    bool registerWithPreferences = false;
};

using ToolFactoryList = std::vector<ToolFactory>;
