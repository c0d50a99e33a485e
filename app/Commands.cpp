#include "app/Commands.h"

#include "app/AddonCommands.h"
#include "app/DrawingCommands.h"
#include "app/EditCommands.h"
#include "app/ExampleCommands.h"
#include "app/ExporterCommands.h"
#include "app/LookCommands.h"
#include "app/PictureCommands.h"
#include "app/ShapeToolCommands.h"
#include "app/TitleBlockCommands.h"
#include "app/SimulatorCommands.h"
#include "app/WindowCommands.h"

namespace runner {

void addAllCommands(Runner& runner) {
    addDrawingCommands(runner);
    addEditCommands(runner);
    addExampleCommands(runner);
    addAddonCommands(runner);
    addWindowCommands(runner);
    addPictureCommands(runner);
    addLookCommands(runner);
    addExporterCommands(runner);
    addShapeToolCommands(runner);
    addTitleBlockCommands(runner);
    addSimulatorCommands(runner);
}

}  // namespace runner
