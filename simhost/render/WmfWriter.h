// Records a scene as the bytes of a Windows metafile (WMF) with its placeable header:
// 16-bit coordinates at up to 1440 units to the inch (fewer where a large page needs
// them), the same drawing as the EMF in the older records, text in Latin-1. Without
// libUEMF the format is refused.
#pragma once

#include <string>

#include "simhost/render/Scene.h"

namespace simhost::render {

class WmfWriter {
public:
    static constexpr int kMostUnitsPerInch = 1440;
    // The resolution that fits the page into 16-bit coordinates; 0 when none does.
    static int unitsPerInch(const Scene& scene);
    // False, with *error, when a record could not be made or libUEMF is not built in.
    static bool encode(const Scene& scene, std::string* bytes, std::string* error);
};

}  // namespace simhost::render
