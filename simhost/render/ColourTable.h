// Visio's standard colours: a colour cell holds either an index into this table (a plain
// number: "2", "GUARD(19)") or a colour of its own (RGB(...), a value of the colour
// dimension, red in the low byte).
#pragma once

#include <optional>
#include <string>

#include "simhost/formula/Value.h"
#include "simhost/render/Scene.h"

namespace simhost::render {

class ColourTable {
public:
    // The colour of a standard index. 0 to 14 are the well-known ones (black, white,
    // red, green, blue, yellow, magenta, cyan, then their dark forms and the light
    // grey); 15 to 23 are Visio's greys, of which only 19 (the mid grey) is known
    // exactly here, so all of them draw as that grey. Other indexes (the document's
    // own colours, which this host does not keep) draw black.
    static Rgb byIndex(int index);
    // The colour a cell's value stands for; the fallback for texts, errors and
    // numbers that are no colour.
    static Rgb fromValue(const formula::Value& value, Rgb fallback);
    // The same, none where the fallback would be taken.
    static std::optional<Rgb> ofValue(const formula::Value& value);
    // What a user calls the colour ("red", "dark green", "orange"); empty for colours
    // without a common name.
    static std::string nameOf(Rgb colour);
};

}  // namespace simhost::render
