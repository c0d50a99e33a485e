#include "entry/StandardTools.h"

#include "checker/ConsistencyChecker.h"
#include "core/AboutTool.h"
#include "core/PreferencesTool.h"
#include "exporter/PictureExporter.h"
#include "shapetools/ALATool.h"
#include "shapetools/TextInputAssistant.h"
#include "shapetools/TitleBlockComponent.h"
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
    tools.push_back(PictureExporter::factory());
    // 5. TextInputAssistant: not registered.
    tools.push_back(TextInputAssistant::factory());
    // 6. AboutTool: registered.
    tools.push_back(AboutTool::factory());
    // 7. TitleBlockComponent: not registered.
    tools.push_back(TitleBlockComponent::factory());
    // 8. ALATool: not registered.
    tools.push_back(ALATool::factory());
    return tools;
}
