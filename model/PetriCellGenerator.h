// The generators of missing attribute cells for Petri net shapes, with the rules that
// tell a place's layout (marking and capacity in cells or in text boxes) from the
// cells it has.
#pragma once

#include <string>

class ShapeAttributes;

class PetriCellGenerator {
public:
    explicit PetriCellGenerator(ShapeAttributes& record) : record_(record) {}

    bool generatePetriActiveCell(std::string& name);
    bool generatePetriPassiveCell(std::string& name);
    bool generatePetriConnectionCell(std::string& name);
    bool generateStartEndPlaceCell(std::string& name);
    bool generateConnectionPlaceCell(std::string& name);
    bool generateStackPlaceCell(std::string& name);

private:
    // The place's identifier: on the shape when marking and capacity are cells, in
    // sub-shape 2 when the marking is a text box.
    bool placeIdentifierRule();
    // The marking: read from its text box when there is one.
    bool placeMarkingRule(std::string& name);
    // The stack place's identifier: by its capacity, 1 on the shape, unlimited in
    // sub-shape 2.
    bool stackPlaceIdentifierRule();
    bool generateIdentifier(const std::string& name, const char* value);
    bool generateCapacityOne(const std::string& name);
    bool has(const char* cell) const;
    void write(const char* cell, const char* value);

    ShapeAttributes& record_;
};
