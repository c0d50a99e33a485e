#include "model/PetriCellGenerator.h"

#include "helpers/CellHelpers.h"
#include "model/NotationConstants.h"
#include "model/ShapeAttributes.h"

bool PetriCellGenerator::has(const char* cell) const {
    return record_.shape_.hasCell(cell);
}

void PetriCellGenerator::write(const char* cell, const char* value) {
    addMissingUserCell(record_.shape_.shape(), cell, value);
    record_.cellsWritten();
}

bool PetriCellGenerator::generateIdentifier(const std::string& name, const char* value) {
    if (name != identifierIdCell) return false;
    write(identifierIdCell, value);
    return true;
}

bool PetriCellGenerator::generateCapacityOne(const std::string& name) {
    if (name != capacityCell) return false;
    write(capacityCell, "1");
    return true;
}

bool PetriCellGenerator::generatePetriActiveCell(std::string& name) {
    return generateIdentifier(name, "0");
}

bool PetriCellGenerator::generatePetriPassiveCell(std::string& name) {
    if (!record_.version_.known) return false;
    if (name == identifierIdCell) return placeIdentifierRule();
    if (name == markingCell) return placeMarkingRule(name);
    if (name == capacityCell) {
        if (!has(capacityIdCell)) return false;
        name = capacityIdCell;
        return true;
    }
    return false;
}

bool PetriCellGenerator::generatePetriConnectionCell(std::string& name) {
    return generateIdentifier(name, "3");
}

bool PetriCellGenerator::generateStartEndPlaceCell(std::string& name) {
    return generateIdentifier(name, "0") || generateCapacityOne(name);
}

bool PetriCellGenerator::generateConnectionPlaceCell(std::string& name) {
    return generateIdentifier(name, "0") || generateCapacityOne(name);
}

bool PetriCellGenerator::generateStackPlaceCell(std::string& name) {
    if (name != identifierIdCell) return false;
    return stackPlaceIdentifierRule();
}

bool PetriCellGenerator::placeIdentifierRule() {
    const bool both = has(capacityCell) && has(markingCell);
    const bool textBox = has(markingIdCell);
    if (both && !textBox) {
        write(identifierIdCell, "0");
        return true;
    }
    if (!both && textBox) {
        write(identifierIdCell, "2");
        return true;
    }
    return false;
}

// Without a text box there is no marking to find: the action row's cells are present,
// and what they hold is the user's, so nothing is written in their place.
bool PetriCellGenerator::placeMarkingRule(std::string& name) {
    if (!has(markingIdCell)) return false;
    name = markingIdCell;
    return true;
}

bool PetriCellGenerator::stackPlaceIdentifierRule() {
    if (!has(capacityCell)) return false;
    const int32_t capacity = record_.shape_.cellResultInt(capacityCell);
    if (capacity == 1) {
        write(identifierIdCell, "0");
        return true;
    }
    if (capacity == -1) {
        write(identifierIdCell, "2");
        return true;
    }
    return false;
}
