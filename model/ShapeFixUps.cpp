#include "model/ShapeFixUps.h"

#include <string>
#include <utility>
#include <vector>

#include "helpers/CellHelpers.h"
#include "model/NotationConstants.h"
#include "model/SavedFormulaIndex.h"
#include "model/ShapeAttributes.h"
#include "platform/visio/VShapes.h"
#include "platform/visio/VisioConstants.h"

bool ShapeFixUps::isVersion(int32_t major, int32_t minor, int32_t patch) const {
    const StencilVersion& version = record_.version_;
    return version.major == major && version.minor == minor && version.patch == patch;
}

void ShapeFixUps::linkChannelText() {
    if (!isVersion(2, 0, 0) && !isVersion(2, 0, 1) && !isVersion(2, 1, 0)) return;
    // Without a channel sub-shape there is nothing to follow: a reference to "Sheet.0"
    // would only break the shape's text colour.
    if (record_.channel_.isEmpty()) return;
    const std::string sheet = "Sheet." + std::to_string(record_.channel_.ID());
    rewriteCharacterCell(visio::visCharacterColor, sheet + "!Char.Color");
    rewriteCharacterCell(visio::visCharacterStyle, sheet + "!Char.Style");
}

// The link is a display of the client that paints the character format while a model
// holds the shape: it is written only where the model keeps what the user had there for
// that client to put back when it stops. Without such a client (the document pass on
// open, a client that paints other cells) the user's format stays as it is.
void ShapeFixUps::rewriteCharacterCell(int16_t cell, const std::string& formula) {
    SavedFormulaIndex* index = record_.owner_;
    if (!index) return;
    const visio::VShape& shape = record_.shape_.shape();
    const CellAddress address{static_cast<uint16_t>(visio::visSectionCharacter), 0,
                              static_cast<uint16_t>(cell)};
    if (!index->saveBeforeRewrite(record_.shape_.id(), shape, address, formula)) return;
    setCellFormulaSRC(shape, visio::visSectionCharacter, 0, cell, formula);
    record_.cellsWritten();
}

void ShapeFixUps::writeMiscDependents() {
    const visio::VShape shape = record_.shape_.shape();
    const std::string kind = record_.shape_.cellString(miscTypeCell);
    if (writeMiscDependents(shape, kind)) record_.cellsWritten();
}

bool ShapeFixUps::writeMiscDependents(const visio::VShape& shape, const std::string& kind) {
    using Cell = std::pair<const char*, const char*>;
    std::vector<Cell> cells;
    if (kind == "request_response_symbol") {
        cells = {{requestArrowIdCell, "0"}, {requestTextIdCell, "0"}};
    } else if (kind == "protocol_boundary") {
        cells = {{identifierIdCell, "0"}};
    } else if (kind == "dots") {
        const int32_t count = record_.shape_.subShapeCount();
        if (count == 5) {
            cells = {{numberOfDotsCell, "2"}, {dotIdCells[0], "2"}, {dotIdCells[1], "3"}};
        } else if (count == 7) {
            cells = {{numberOfDotsCell, "3"},
                     {dotIdCells[0], "2"},
                     {dotIdCells[1], "3"},
                     {dotIdCells[2], "4"}};
        }
    }
    bool added = false;
    for (const Cell& cell : cells)
        added = addMissingUserCell(shape, cell.first, cell.second) || added;
    return added;
}
