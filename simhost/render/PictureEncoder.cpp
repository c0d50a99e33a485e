#include "simhost/render/PictureEncoder.h"

#include <algorithm>
#include <cmath>
#include <new>

#ifdef QAV_HAVE_CAIRO
#include <cairo-ps.h>
#include <cairo.h>

#include "simhost/render/FontCaches.h"
#include "simhost/render/ScenePainter.h"
#endif

namespace simhost::render {
namespace {

#ifdef QAV_HAVE_CAIRO
// Collects what cairo writes; an allocation failure becomes cairo's own.
cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
    try {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
}

bool succeeded(cairo_status_t status, std::string* error) {
    if (status == CAIRO_STATUS_SUCCESS) return true;
    if (error) *error = std::string("cannot draw the page: ") + cairo_status_to_string(status);
    return false;
}

// Paints the scene on the surface; false with *error when cairo failed.
bool paintOn(cairo_surface_t* surface, const Scene& scene, double unitsPerInch,
             std::string* error) {
    FontCaches::releaseAtExit();
    cairo_t* context = cairo_create(surface);
    ScenePainter(context, unitsPerInch, scene.height).paint(scene);
    cairo_status_t status = cairo_status(context);
    cairo_destroy(context);
    return succeeded(status, error);
}

std::string wholeNumber(double value) {
    return std::to_string(static_cast<long long>(value));
}
#endif

}  // namespace

bool PictureEncoder::encode(const Scene& scene, PictureFormat format, std::string* bytes,
                            std::string* error) {
    bytes->clear();
    if (!PictureFormats::drawable(format)) {
        if (error) *error = "format not supported by this host";
        return false;
    }
    return format == PictureFormat::Png ? encodePng(scene, bytes, error)
                                        : encodeEps(scene, bytes, error);
}

#ifdef QAV_HAVE_CAIRO

bool PictureEncoder::encodePng(const Scene& scene, std::string* bytes, std::string* error) {
    double width = std::ceil(scene.width * kPixelsPerInch);
    double height = std::ceil(scene.height * kPixelsPerInch);
    if (width > kLargestSide || height > kLargestSide || width * height > kLargestArea) {
        if (error) {
            *error = "the page is too large for a PNG picture (" + wholeNumber(width) + " x " +
                     wholeNumber(height) + " pixels)";
        }
        return false;
    }
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(std::max(width, 1.0)),
                                   static_cast<int>(std::max(height, 1.0)));
    bool painted = succeeded(cairo_surface_status(surface), error) &&
                   paintOn(surface, scene, kPixelsPerInch, error) &&
                   succeeded(cairo_surface_write_to_png_stream(surface, append, bytes), error);
    cairo_surface_destroy(surface);
    return painted;
}

bool PictureEncoder::encodeEps(const Scene& scene, std::string* bytes, std::string* error) {
    cairo_surface_t* surface = cairo_ps_surface_create_for_stream(
        append, bytes, scene.width * kPointsPerInch, scene.height * kPointsPerInch);
    cairo_ps_surface_set_eps(surface, 1);
    bool painted = succeeded(cairo_surface_status(surface), error) &&
                   paintOn(surface, scene, kPointsPerInch, error);
    // The PostScript is complete only once the surface is finished.
    cairo_surface_finish(surface);
    painted = painted && succeeded(cairo_surface_status(surface), error);
    cairo_surface_destroy(surface);
    return painted;
}

#else

bool PictureEncoder::encodePng(const Scene&, std::string*, std::string* error) {
    if (error) *error = "format not supported by this host";
    return false;
}

bool PictureEncoder::encodeEps(const Scene&, std::string*, std::string* error) {
    if (error) *error = "format not supported by this host";
    return false;
}

#endif

}  // namespace simhost::render
