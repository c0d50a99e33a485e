#include "model/MissingCellGenerator.h"

#include "helpers/CellHelpers.h"
#include "model/NotationConstants.h"
#include "model/PetriCellGenerator.h"
#include "model/ShapeAttributes.h"
#include "platform/visio/VShapes.h"

namespace {

using Generator = bool (*)(ShapeAttributes&, std::string&);

struct GeneratorEntry {
    int32_t kind;
    const char* type;
    Generator generate;
};

template <bool (MissingCellGenerator::*member)(std::string&)>
bool runMissing(ShapeAttributes& record, std::string& name) {
    MissingCellGenerator generator(record);
    return (generator.*member)(name);
}

template <bool (PetriCellGenerator::*member)(std::string&)>
bool runPetri(ShapeAttributes& record, std::string& name) {
    PetriCellGenerator generator(record);
    return (generator.*member)(name);
}

// Block "misc" and the empty ER slots have no generator.
const GeneratorEntry generators[] = {
    {blockDiagramKind, "active", &runMissing<&MissingCellGenerator::generateBlockActiveCell>},
    {blockDiagramKind, "passive", &runMissing<&MissingCellGenerator::generateBlockPassiveCell>},
    {blockDiagramKind, "connection",
     &runMissing<&MissingCellGenerator::generateBlockConnectionCell>},
    {blockDiagramKind, "m_access", &runMissing<&MissingCellGenerator::generateAccessCell>},
    {blockDiagramKind, "com_channel", &runMissing<&MissingCellGenerator::generateChannelCell>},
    {petriNetKind, "active", &runPetri<&PetriCellGenerator::generatePetriActiveCell>},
    {petriNetKind, "passive", &runPetri<&PetriCellGenerator::generatePetriPassiveCell>},
    {petriNetKind, "connection", &runPetri<&PetriCellGenerator::generatePetriConnectionCell>},
    {petriNetKind, "start_end_place", &runPetri<&PetriCellGenerator::generateStartEndPlaceCell>},
    {petriNetKind, "connection_place", &runPetri<&PetriCellGenerator::generateConnectionPlaceCell>},
    {petriNetKind, "stack_place", &runPetri<&PetriCellGenerator::generateStackPlaceCell>},
    {erDiagramKind, "active", &runMissing<&MissingCellGenerator::generateERActiveCell>},
    {erDiagramKind, "passive", &runMissing<&MissingCellGenerator::generateERPassiveCell>},
    {erDiagramKind, "connection", &runMissing<&MissingCellGenerator::generateERConnectionCell>},
    {erDiagramKind, "bin_relationship",
     &runMissing<&MissingCellGenerator::generateBinRelationshipCell>},
};

}  // namespace

bool MissingCellGenerator::generateMissingCell(std::string& name) {
    // Only the layouts of the known stencils are known; newer ones are never guessed.
    if (!record_.version_.known) return false;
    if (!runGenerator(name)) return false;
    return record_.readCell(name);
}

bool MissingCellGenerator::runGenerator(std::string& name) {
    const std::string type = record_.elementTypeName();
    for (const GeneratorEntry& entry : generators) {
        if (entry.kind == record_.diagramKind_ && type == entry.type) {
            return entry.generate(record_, name);
        }
    }
    return false;
}

void MissingCellGenerator::write(const char* cell, const char* value) {
    addMissingUserCell(record_.shape_.shape(), cell, value);
    record_.cellsWritten();
}

bool MissingCellGenerator::hasSubShapes() const {
    return record_.shape_.subShapeCount() > 0;
}

bool MissingCellGenerator::generateIdentifier(const std::string& name, const char* value) {
    if (name != identifierIdCell) return false;
    write(identifierIdCell, value);
    return true;
}

bool MissingCellGenerator::generateBlockActiveCell(std::string& name) {
    if (name == outlineIdCell) {
        write(outlineIdCell, hasSubShapes() ? "1" : "0");
        return true;
    }
    if (name == stickyManCell) {
        // A master without sub-shapes has no sticky man: its outline stands in.
        if (hasSubShapes()) {
            write(stickyManCell, "2");
        } else {
            name = outlineIdCell;
        }
        return true;
    }
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateBlockPassiveCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateBlockConnectionCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateAccessCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateChannelCell(std::string& name) {
    if (name == requestArrowIdCell || name == requestTextIdCell) {
        write(name.c_str(), "4");
        return true;
    }
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateERActiveCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateERPassiveCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateERConnectionCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool MissingCellGenerator::generateBinRelationshipCell(std::string& name) {
    return generateIdentifier(name, "9");
}
