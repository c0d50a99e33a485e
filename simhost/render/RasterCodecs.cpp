#include "simhost/render/RasterCodecs.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "simhost/render/MemorySource.h"
#include "simhost/render/PictureProbe.h"

#ifdef QAV_HAVE_CAIRO
#include <cairo.h>
#endif

#ifdef QAV_HAVE_JPEG
// libjpeg's header needs the standard I/O declarations before it.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#endif

#ifdef QAV_HAVE_GIF
#include <gif_lib.h>

#include "simhost/render/ColourQuantiser.h"
#endif

#ifdef QAV_HAVE_WINDOWS_GRAPHICS
#include "simhost/render/GdiplusRaster.h"
#endif

namespace simhost::render {
namespace {

bool fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

#ifdef QAV_HAVE_JPEG
// libjpeg reports a failure by calling error_exit, which must not return: it jumps back
// to where compress() (or decompress()) set its mark. Everything compress() touches lives
// in this block, owned by the caller, so the jump skips no destructor and clobbers no
// local.
struct JpegJob {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX] = {};
    unsigned char* out = nullptr;
    unsigned long size = 0;
};

template <typename Job>
[[noreturn]] void escapeFromLibjpeg(j_common_ptr info) {
    Job* job = static_cast<Job*>(info->client_data);
    info->err->format_message(info, job->message);
    std::longjmp(job->escape, 1);
}

bool compress(JpegJob* job, const Pixels& pixels, int dotsPerInch) {
    job->info.err = jpeg_std_error(&job->errors);
    job->errors.error_exit = escapeFromLibjpeg<JpegJob>;
    job->info.client_data = job;
    if (setjmp(job->escape)) {
        jpeg_destroy_compress(&job->info);
        return false;
    }
    jpeg_create_compress(&job->info);
    jpeg_mem_dest(&job->info, &job->out, &job->size);
    job->info.image_width = static_cast<JDIMENSION>(pixels.width);
    job->info.image_height = static_cast<JDIMENSION>(pixels.height);
    job->info.input_components = 3;
    job->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&job->info);
    jpeg_set_quality(&job->info, RasterCodecs::kJpegQuality, TRUE);
    job->info.density_unit = 1;  // dots per inch
    job->info.X_density = job->info.Y_density = static_cast<UINT16>(dotsPerInch);
    jpeg_start_compress(&job->info, TRUE);
    while (job->info.next_scanline < job->info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.row(static_cast<int>(job->info.next_scanline)));
        jpeg_write_scanlines(&job->info, &row, 1);
    }
    jpeg_finish_compress(&job->info);
    jpeg_destroy_compress(&job->info);
    return true;
}
#endif

#ifdef QAV_HAVE_GIF
std::string gifError(int code) {
    const char* text = GifErrorString(code);
    return text ? text : "giflib error " + std::to_string(code);
}

int appendGifBytes(GifFileType* gif, const GifByteType* data, int length) {
    try {
        static_cast<std::string*>(gif->UserData)
            ->append(reinterpret_cast<const char*>(data), static_cast<size_t>(length));
        return length;
    } catch (const std::bad_alloc&) {
        return 0;  // giflib takes a short write for a failure
    }
}

// The palette padded to the power of two a GIF colour table must have.
ColorMapObject* colourMapOf(const std::vector<Rgb>& palette) {
    int bits = GifBitSize(static_cast<int>(palette.size()));
    std::vector<GifColorType> colours(static_cast<size_t>(1) << bits, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i) {
        colours[i] = GifColorType{palette[i].red, palette[i].green, palette[i].blue};
    }
    return GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
}

bool writeGif(GifFileType* gif, const Pixels& pixels, const PalettePicture& picture,
              ColorMapObject* map) {
    if (EGifPutScreenDesc(gif, pixels.width, pixels.height, map->BitsPerPixel, 0, map) ==
            GIF_ERROR ||
        EGifPutImageDesc(gif, 0, 0, pixels.width, pixels.height, false, nullptr) == GIF_ERROR) {
        return false;
    }
    for (int y = 0; y < pixels.height; ++y) {
        auto* row = const_cast<GifPixelType*>(picture.indices.data() +
                                              static_cast<size_t>(y) * pixels.width);
        if (EGifPutLine(gif, row, pixels.width) == GIF_ERROR) return false;
    }
    return true;
}
#endif

bool fitsToDecode(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 &&
           static_cast<double>(width) * static_cast<double>(height) <=
               RasterCodecs::kLargestDecodedArea;
}

#ifdef QAV_HAVE_CAIRO
// cairo keeps a pixel as a native 32-bit word: alpha on top, then red, green and blue
// multiplied by it.
Pixels pixelsOverWhite(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    Pixels pixels;
    pixels.width = cairo_image_surface_get_width(surface);
    pixels.height = cairo_image_surface_get_height(surface);
    const bool opaque = cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32;
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    pixels.rgb.reserve(static_cast<size_t>(pixels.width) * pixels.height * 3);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            uint32_t word;
            std::memcpy(&word, data + static_cast<size_t>(y) * stride + x * 4, sizeof(word));
            const auto alpha = static_cast<uint8_t>(opaque ? 255 : word >> 24);
            for (int shift : {16, 8, 0})
                pixels.rgb.push_back(overWhite(static_cast<uint8_t>(word >> shift), alpha));
        }
    }
    return pixels;
}
#endif

#ifdef QAV_HAVE_JPEG
// As JpegJob, for reading: the rows go into pixels the caller sized.
struct JpegReadJob {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX] = {};
};

// The rows go straight into pixels, sized before the jump mark is set, so that a jump
// leaves nothing to clean up but libjpeg's own state.
bool decompress(JpegReadJob* job, const std::string& bytes, Pixels* pixels) {
    job->info.err = jpeg_std_error(&job->errors);
    job->errors.error_exit = escapeFromLibjpeg<JpegReadJob>;
    job->info.client_data = job;
    if (setjmp(job->escape)) {
        jpeg_destroy_decompress(&job->info);
        return false;
    }
    jpeg_create_decompress(&job->info);
    jpeg_mem_src(&job->info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&job->info, TRUE);
    job->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job->info);
    if (job->info.output_components != 3 ||
        static_cast<int>(job->info.output_width) != pixels->width ||
        static_cast<int>(job->info.output_height) != pixels->height) {
        jpeg_destroy_decompress(&job->info);
        return false;
    }
    while (job->info.output_scanline < job->info.output_height) {
        JSAMPROW row =
            pixels->rgb.data() + static_cast<size_t>(job->info.output_scanline) * pixels->width * 3;
        jpeg_read_scanlines(&job->info, &row, 1);
    }
    jpeg_finish_decompress(&job->info);
    jpeg_destroy_decompress(&job->info);
    return true;
}
#endif

#ifdef QAV_HAVE_GIF
struct GifClose {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

constexpr int kNoTransparentColour = -1;

// The transparent colour a graphic control extension names, else the one before.
int transparentColourOf(GifFileType* gif, int extensionCode, GifByteType* data, int before) {
    int transparent = before;
    if (extensionCode == GRAPHICS_EXT_FUNC_CODE && data && data[0] >= 4) {
        transparent = (data[1] & 0x01) ? data[4] : kNoTransparentColour;
    }
    while (data) {
        if (DGifGetExtensionNext(gif, &data) == GIF_ERROR) return before;
    }
    return transparent;
}

// The image's lines as they come, interlaced ones in their four passes.
bool readGifLines(GifFileType* gif, std::vector<GifPixelType>& indices) {
    const int width = gif->Image.Width, height = gif->Image.Height;
    std::vector<int> order;
    if (gif->Image.Interlace) {
        for (auto [first, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = first; y < height; y += step) order.push_back(y);
    } else {
        for (int y = 0; y < height; ++y) order.push_back(y);
    }
    for (int y : order) {
        if (DGifGetLine(gif, indices.data() + static_cast<size_t>(y) * width, width) == GIF_ERROR)
            return false;
    }
    return true;
}

std::optional<Pixels> colouredGif(GifFileType* gif, const std::vector<GifPixelType>& indices,
                                  int transparent) {
    const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
    if (!map) return std::nullopt;
    Pixels pixels;
    pixels.width = gif->Image.Width;
    pixels.height = gif->Image.Height;
    pixels.rgb.reserve(indices.size() * 3);
    for (GifPixelType index : indices) {
        GifColorType c{255, 255, 255};
        if (index != transparent) c = index < map->ColorCount ? map->Colors[index] : GifColorType{};
        pixels.rgb.insert(pixels.rgb.end(), {c.Red, c.Green, c.Blue});
    }
    return pixels;
}
#endif

#ifdef QAV_HAVE_CAIRO
std::optional<Pixels> pngPixels(const std::string& bytes) {
    MemorySource source{bytes};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(readPngPiece, &source);
    std::optional<Pixels> pixels;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) pixels = pixelsOverWhite(surface);
    cairo_surface_destroy(surface);
    return pixels;
}
#endif

#ifdef QAV_HAVE_JPEG
std::optional<Pixels> jpegPixels(const std::string& bytes) {
    const PictureFacts facts = PictureProbe::probe(bytes);
    Pixels pixels;
    pixels.width = static_cast<int>(facts.pixelsAcross);
    pixels.height = static_cast<int>(facts.pixelsDown);
    pixels.rgb.resize(static_cast<size_t>(pixels.width) * pixels.height * 3);
    auto job = std::make_unique<JpegReadJob>();
    if (!decompress(job.get(), bytes, &pixels)) return std::nullopt;
    return pixels;
}
#endif

#ifdef QAV_HAVE_GIF
std::optional<Pixels> gifPixels(const std::string& bytes) {
    MemorySource source{bytes};
    int status = 0;
    std::unique_ptr<GifFileType, GifClose> gif(DGifOpen(&source, readGifPiece, &status));
    if (!gif) return std::nullopt;
    int transparent = kNoTransparentColour;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif.get(), &type) != GIF_ERROR && type != TERMINATE_RECORD_TYPE) {
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* data = nullptr;
            if (DGifGetExtension(gif.get(), &code, &data) == GIF_ERROR) return std::nullopt;
            transparent = transparentColourOf(gif.get(), code, data, transparent);
        } else if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR) return std::nullopt;
            const GifImageDesc& image = gif->Image;
            if (!fitsToDecode(image.Width, image.Height)) return std::nullopt;
            std::vector<GifPixelType> indices(static_cast<size_t>(image.Width) * image.Height);
            if (!readGifLines(gif.get(), indices)) return std::nullopt;
            return colouredGif(gif.get(), indices, transparent);
        }
    }
    return std::nullopt;
}
#endif

}  // namespace

#ifdef QAV_HAVE_JPEG
bool RasterCodecs::encodeJpeg(const Pixels& pixels, int dotsPerInch, std::string* bytes,
                              std::string* error) {
    auto job = std::make_unique<JpegJob>();
    bool written = compress(job.get(), pixels, dotsPerInch);
    if (written) bytes->assign(reinterpret_cast<const char*>(job->out), job->size);
    std::free(job->out);
    return written || fail(error, std::string("cannot write the JPG picture: ") + job->message);
}
#else
bool RasterCodecs::encodeJpeg(const Pixels&, int, std::string*, std::string* error) {
    return fail(error, "format not supported by this host");
}
#endif

#ifdef QAV_HAVE_GIF
bool RasterCodecs::encodeGif(const Pixels& pixels, std::string* bytes, std::string* error) {
    PalettePicture picture = ColourQuantiser::quantise(pixels);
    int status = 0;
    GifFileType* gif = EGifOpen(bytes, appendGifBytes, &status);
    if (!gif) {
        return fail(error, std::string("cannot write the GIF picture: ") + gifError(status));
    }
    ColorMapObject* map = colourMapOf(picture.palette);
    bool written = map && writeGif(gif, pixels, picture, map);
    int lastError = gif->Error;
    GifFreeMapObject(map);
    // Closing writes the trailer and frees the writer, whatever went before.
    if (EGifCloseFile(gif, &status) == GIF_ERROR && written) written = false, lastError = status;
    if (written) return true;
    bytes->clear();
    return fail(error, std::string("cannot write the GIF picture: ") +
                           (map ? gifError(lastError) : std::string("out of memory")));
}
#else
bool RasterCodecs::encodeGif(const Pixels&, std::string*, std::string* error) {
    return fail(error, "format not supported by this host");
}
#endif

std::optional<Pixels> RasterCodecs::decode(const std::string& bytes) {
    const PictureFacts facts = PictureProbe::probe(bytes);
    if (!fitsToDecode(facts.pixelsAcross, facts.pixelsDown)) return std::nullopt;
    switch (facts.format) {
#ifdef QAV_HAVE_WINDOWS_GRAPHICS
        case PictureFormat::Png:
        case PictureFormat::Jpg:
        case PictureFormat::Gif:
            return GdiplusRaster::decode(bytes);
#else
#ifdef QAV_HAVE_CAIRO
        case PictureFormat::Png:
            return pngPixels(bytes);
#endif
#ifdef QAV_HAVE_JPEG
        case PictureFormat::Jpg:
            return jpegPixels(bytes);
#endif
#ifdef QAV_HAVE_GIF
        case PictureFormat::Gif:
            return gifPixels(bytes);
#endif
#endif
        default:
            return std::nullopt;
    }
}

}  // namespace simhost::render
