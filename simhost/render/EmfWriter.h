// Records a scene as the bytes of an enhanced metafile (EMF): 1440 units to the inch,
// the page, then each shape's fill, lines, arrowheads and text as GDI records made with
// libUEMF. Without libUEMF the format is refused.
#pragma once

#include <string>

#include "simhost/render/Scene.h"

namespace simhost::render {

class EmfWriter {
public:
    static constexpr double kUnitsPerInch = 1440;
    // False, with *error, when a record could not be made or libUEMF is not built in.
    static bool encode(const Scene& scene, std::string* bytes, std::string* error);
};

}  // namespace simhost::render
