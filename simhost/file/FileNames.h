// The names the drawing file uses where the host only has numbers: the rows of the object
// section (for "removed"), sections, geometry row types, shape types and glue parts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace simhost {

class FileNames {
public:
    // Object-section rows by Visio's row names without "visRow" ("XFormOut", "Line",
    // "Lock", ...); the numbers of every row the host knows, in order.
    static std::string objectRowName(int16_t row);
    static std::optional<int16_t> objectRowOfName(const std::string& name);
    static const std::vector<int16_t>& objectRows();

    // "Char", "Para", "Scratch", "Connections", "Geometry1".., "Actions", "User", "Prop";
    // none for the object section and numbers the host does not keep.
    static std::string sectionName(int16_t section);
    static std::optional<int16_t> sectionOfName(const std::string& name);

    // The names of the cells of a row of the section, by cell index ("X", "Y", ... for a
    // vertex row, "NoFill", ... for the first row of a geometry section).
    static std::vector<std::string> rowCellNames(int16_t section, int16_t row);

    // Row tags: geometry row types by name ("MoveTo", "LineTo", "Ellipse", ...).
    static std::string tagName(int16_t tag);
    static std::optional<int16_t> tagOfName(const std::string& name);

    // Shape types: "shape", "group", "foreign".
    static std::string typeName(int16_t type);
    static std::optional<int16_t> typeOfName(const std::string& name);

    // Glue parts by the cell that stands for them ("BeginX", "EndX" for the from part;
    // "PinX" for the whole shape, "Connections.X1".. for connection points); empty when
    // the part has no such name (it is then written as its number).
    static std::string fromPartName(int16_t part);
    static std::string toPartName(int16_t part);
    static std::optional<int16_t> fromPartOfName(const std::string& name);
    static std::optional<int16_t> toPartOfName(const std::string& name);
};

}  // namespace simhost
