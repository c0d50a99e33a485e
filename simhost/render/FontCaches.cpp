#include "simhost/render/FontCaches.h"

#ifdef QAV_HAVE_CAIRO
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdlib>

namespace simhost::render {
namespace {

// Every cairo object of an export lives only inside that export, so none is left
// when the process ends.
void release() {
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace

void FontCaches::releaseAtExit() {
    static const bool arranged = std::atexit(release) == 0;
    (void)arranged;
}

}  // namespace simhost::render

#else

namespace simhost::render {

void FontCaches::releaseAtExit() {}

}  // namespace simhost::render

#endif
