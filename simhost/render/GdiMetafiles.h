// Records a scene as EMF or WMF through GDI's own metafile DCs (the Windows build): the
// layout the libUEMF writers record (SceneRecorder) in their units, 1440 to the inch for
// an EMF and WmfWriter::unitsPerInch for a WMF, which gets the placeable header they
// write too. What differs is only who records the drawing.
#pragma once

#include <string>

#include "simhost/render/Scene.h"

namespace simhost::render {

class GdiMetafiles {
public:
    // False, with *error, when GDI could not record the picture or the build has no GDI.
    static bool encodeEmf(const Scene& scene, std::string* bytes, std::string* error);
    static bool encodeWmf(const Scene& scene, std::string* bytes, std::string* error);
};

}  // namespace simhost::render
