#include "core/entry/StandardTools.h"

#include "checker/ConsistencyChecker.h"
#include "core/AboutTool.h"
#include "core/PreferencesTool.h"
#include "simulator/PetriNetSimulator.h"

ToolFactoryList standardToolFactories() {
    // One entry per tool, at its fixed place; a tool that is not built yet has none.
    ToolFactoryList tools;
    // 1. PreferencesTool: registers itself first; sets registerTool and buildCommandBar.
    tools.push_back(PreferencesTool::factory());
    // 2. ConsistencyChecker (the diagram-type holder; sets consistencyChecker): registered.
    tools.push_back(ConsistencyChecker::factory());
    // 3. PetriNetSimulator (the diagram-type holder and the checker): registered.
    tools.push_back(PetriNetSimulator::factory());
    // 4. PictureExporter: registered.
    // 5. TextInputAssistant: not registered.
    // 6. AboutTool: registered.
    tools.push_back(AboutTool::factory());
    // 7. TitleBlockComponent: not registered.
    // 8. ALATool: not registered.
    return tools;
}
