// Writes a required attribute cell that a shape of a known stencil version lacks (or
// holds in an older form), with the value the known master layouts imply, and reads it.
// The block diagram and ER generators live here; the Petri net ones in
// PetriCellGenerator.
#pragma once

#include <string>

class ShapeAttributes;

class MissingCellGenerator {
public:
    explicit MissingCellGenerator(ShapeAttributes& record) : record_(record) {}

    // Picks the generator by the record's diagram kind and element type; on success
    // reads the cell named by `name` afterwards (a generator may have replaced it).
    // Nothing is generated for a stencil version outside the known ones.
    bool generateMissingCell(std::string& name);

    bool generateBlockActiveCell(std::string& name);
    bool generateBlockPassiveCell(std::string& name);
    bool generateBlockConnectionCell(std::string& name);
    bool generateAccessCell(std::string& name);
    bool generateChannelCell(std::string& name);
    bool generateERActiveCell(std::string& name);
    bool generateERPassiveCell(std::string& name);
    bool generateERConnectionCell(std::string& name);
    bool generateBinRelationshipCell(std::string& name);

private:
    bool runGenerator(std::string& name);
    // Writes the identifier index when `name` is the identifier cell.
    bool generateIdentifier(const std::string& name, const char* value);
    void write(const char* cell, const char* value);
    bool hasSubShapes() const;

    ShapeAttributes& record_;
};
