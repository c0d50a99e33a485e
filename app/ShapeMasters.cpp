#include "app/ShapeMasters.h"

#include <map>
#include <utility>

#include "helpers/AddonConstants.h"
#include "simhost/formula/Value.h"
#include "simhost/host/Shape.h"

namespace runner {
namespace {

using DrawingAndElement = std::pair<std::string, std::string>;

const std::map<DrawingAndElement, std::string>& notationMasters() {
    static const std::map<DrawingAndElement, std::string> all = {
        {{drawingTypePetriNet, "passive"}, "place"},
        {{drawingTypePetriNet, "active"}, "transition"},
        {{drawingTypePetriNet, "connection"}, "arc"},
        {{drawingTypePetriNet, "start_end_place"}, "start-end-place"},
        {{drawingTypePetriNet, "connection_place"}, "connection-place"},
        {{drawingTypePetriNet, "stack_place"}, "stack-place"},
        {{drawingTypeBlockDiagram, "active"}, "block-active"},
        {{drawingTypeBlockDiagram, "passive"}, "block-passive"},
        {{drawingTypeBlockDiagram, "connection"}, "block-connection"},
        {{drawingTypeBlockDiagram, "m_access"}, "access-arrow"},
        {{drawingTypeBlockDiagram, "com_channel"}, "channel"},
        {{drawingTypeBlockDiagram, "misc"}, "misc"},
        {{drawingTypeERDiagram, "active"}, "er-active"},
        {{drawingTypeERDiagram, "passive"}, "er-passive"},
        {{drawingTypeERDiagram, "connection"}, "er-connection"},
        {{drawingTypeERDiagram, "bin_relationship"}, "binary-relationship"},
    };
    return all;
}

// The title block's masters by the command of their first action row.
const std::map<std::string, std::string>& titleBlockMasters() {
    static const std::map<std::string, std::string> all = {
        {"SINK=TITLEB", "title-block"},
        {"SINK=FBLOCK", "frame-title-block"},
        {"SINK=LOGOIn", "logo-area"},
    };
    return all;
}

std::string textOf(simhost::Shape& shape, const std::string& cell) {
    if (!shape.sheet().resolve(cell)) return std::string();
    const simhost::formula::Value value = shape.value(cell);
    return value.kind == simhost::formula::Value::Kind::String ? value.text : std::string();
}

}  // namespace

std::string masterOf(simhost::Shape& shape) {
    auto notation = notationMasters().find(
        {textOf(shape, "User.QAV_DrawingType.Prompt"), textOf(shape, "Prop.QAVType")});
    if (notation != notationMasters().end()) return notation->second;
    if (!shape.sheet().resolve("Actions.Action")) return std::string();
    const std::string action = shape.formula("Actions.Action");
    for (const auto& [command, master] : titleBlockMasters()) {
        if (action.find(command) != std::string::npos) return master;
    }
    return std::string();
}

}  // namespace runner
