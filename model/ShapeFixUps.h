// What the attribute readers bring up to date in shapes of older stencils while they
// read: the channel's character format, and the cells that depend on a misc shape's
// kind.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/VShape.h"

class ShapeAttributes;

class ShapeFixUps {
public:
    explicit ShapeFixUps(ShapeAttributes& record) : record_(record) {}

    // Stencils 2.0.0, 2.0.1 and 2.1.0: while a client paints the character format, the
    // shape's first character format follows the colour and style of the channel
    // sub-shape; the client puts back what the user had.
    void linkChannelText();
    // Any stencil: the request, boundary and dots cells a misc shape's kind implies,
    // where the shape lacks them.
    void writeMiscDependents();

private:
    bool isVersion(int32_t major, int32_t minor, int32_t patch) const;
    void rewriteCharacterCell(int16_t cell, const std::string& formula);
    // True when it added a cell.
    bool writeMiscDependents(const visio::VShape& shape, const std::string& kind);

    ShapeAttributes& record_;
};
