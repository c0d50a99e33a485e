#include "simhost/render/PictureEncoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "simhost/render/EmfWriter.h"
#include "simhost/render/GdiMetafiles.h"
#include "simhost/render/GdiplusRaster.h"
#include "simhost/render/WmfWriter.h"

#ifdef QAV_HAVE_CAIRO
#include <cairo-ps.h>
#include <cairo.h>

#include "simhost/render/FontCaches.h"
#include "simhost/render/Pixels.h"
#include "simhost/render/RasterCodecs.h"
#include "simhost/render/ScenePainter.h"
#endif

namespace simhost::render {
namespace {

bool refuse(std::string* error) {
    if (error) *error = "format not supported by this host";
    return false;
}

#ifdef QAV_HAVE_CAIRO
struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

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

// The painted page's pixels as red, green, blue bytes (cairo keeps them as native
// 32-bit words, the unused byte on top).
Pixels pixelsOf(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Pixels pixels;
    pixels.width = cairo_image_surface_get_width(surface);
    pixels.height = cairo_image_surface_get_height(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    pixels.rgb.reserve(static_cast<size_t>(pixels.width) * pixels.height * 3);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            uint32_t word;
            std::memcpy(&word, data + static_cast<size_t>(y) * stride + x * 4, sizeof(word));
            pixels.rgb.push_back(static_cast<uint8_t>(word >> 16));
            pixels.rgb.push_back(static_cast<uint8_t>(word >> 8));
            pixels.rgb.push_back(static_cast<uint8_t>(word));
        }
    }
    return pixels;
}

bool writeRaster(cairo_surface_t* surface, PictureFormat format, std::string* bytes,
                 std::string* error) {
    if (format == PictureFormat::Png) {
        return succeeded(cairo_surface_write_to_png_stream(surface, append, bytes), error);
    }
    Pixels pixels = pixelsOf(surface);
    if (format == PictureFormat::Jpg) {
        return RasterCodecs::encodeJpeg(pixels, static_cast<int>(PictureEncoder::kPixelsPerInch),
                                        bytes, error);
    }
    return RasterCodecs::encodeGif(pixels, bytes, error);
}
#endif

std::string wholeNumber(double value) {
    return std::to_string(static_cast<long long>(value));
}

// A picture of pixels too large to hold is refused before anything is painted.
bool fitsInPixels(const Scene& scene, std::string* error) {
    double width = std::ceil(scene.width * PictureEncoder::kPixelsPerInch);
    double height = std::ceil(scene.height * PictureEncoder::kPixelsPerInch);
    if (width <= PictureEncoder::kLargestSide && height <= PictureEncoder::kLargestSide &&
        width * height <= PictureEncoder::kLargestArea) {
        return true;
    }
    if (error) {
        *error = "the page is too large for a picture of pixels (" + wholeNumber(width) + " x " +
                 wholeNumber(height) + " pixels)";
    }
    return false;
}

}  // namespace

int PictureEncoder::pixelsAcross(double inches) {
    return static_cast<int>(std::max(std::ceil(inches * kPixelsPerInch), 1.0));
}

bool PictureEncoder::encode(const Scene& scene, PictureFormat format, std::string* bytes,
                            std::string* error) {
    bytes->clear();
    if (!PictureFormats::drawable(format)) return refuse(error);
    switch (format) {
        case PictureFormat::Png:
        case PictureFormat::Jpg:
        case PictureFormat::Gif:
            return fitsInPixels(scene, error) && encodeRaster(scene, format, bytes, error);
        case PictureFormat::Eps:
            return encodeEps(scene, bytes, error);
        case PictureFormat::Emf:
        case PictureFormat::Wmf:
            return encodeMetafile(scene, format, bytes, error);
        case PictureFormat::Other:
            break;
    }
    return refuse(error);
}

#ifdef QAV_HAVE_CAIRO

bool PictureEncoder::encodeRaster(const Scene& scene, PictureFormat format, std::string* bytes,
                                  std::string* error) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, pixelsAcross(scene.width),
                                               pixelsAcross(scene.height)));
    if (!succeeded(cairo_surface_status(surface.get()), error) ||
        !paintOn(surface.get(), scene, kPixelsPerInch, error)) {
        return false;
    }
    return writeRaster(surface.get(), format, bytes, error);
}

bool PictureEncoder::encodeEps(const Scene& scene, std::string* bytes, std::string* error) {
    Surface surface(cairo_ps_surface_create_for_stream(append, bytes, scene.width * kPointsPerInch,
                                                       scene.height * kPointsPerInch));
    cairo_ps_surface_set_eps(surface.get(), 1);
    bool painted = succeeded(cairo_surface_status(surface.get()), error) &&
                   paintOn(surface.get(), scene, kPointsPerInch, error);
    // The PostScript is complete only once the surface is finished.
    cairo_surface_finish(surface.get());
    return painted && succeeded(cairo_surface_status(surface.get()), error);
}

#else

bool PictureEncoder::encodeRaster(const Scene& scene, PictureFormat format, std::string* bytes,
                                  std::string* error) {
#ifdef QAV_HAVE_WINDOWS_GRAPHICS
    return GdiplusRaster::encode(scene, format, bytes, error);
#else
    (void)scene, (void)format, (void)bytes;
    return refuse(error);
#endif
}

bool PictureEncoder::encodeEps(const Scene&, std::string*, std::string* error) {
    return refuse(error);
}

#endif

// The platform's own metafiles where it has them, else libUEMF's (or a refusal).
bool PictureEncoder::encodeMetafile(const Scene& scene, PictureFormat format, std::string* bytes,
                                    std::string* error) {
#ifdef QAV_HAVE_WINDOWS_GRAPHICS
    return format == PictureFormat::Emf ? GdiMetafiles::encodeEmf(scene, bytes, error)
                                        : GdiMetafiles::encodeWmf(scene, bytes, error);
#else
    return format == PictureFormat::Emf ? EmfWriter::encode(scene, bytes, error)
                                        : WmfWriter::encode(scene, bytes, error);
#endif
}

}  // namespace simhost::render
