#include "simhost/render/RasterCodecs.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

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

namespace simhost::render {
namespace {

bool fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

#ifdef QAV_HAVE_JPEG
// libjpeg reports a failure by calling error_exit, which must not return: it jumps back
// to where compress() set its mark. Everything compress() touches lives in this block,
// owned by the caller, so the jump skips no destructor and clobbers no local.
struct JpegJob {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX] = {};
    unsigned char* out = nullptr;
    unsigned long size = 0;
};

[[noreturn]] void escapeFromLibjpeg(j_common_ptr info) {
    JpegJob* job = static_cast<JpegJob*>(info->client_data);
    info->err->format_message(info, job->message);
    std::longjmp(job->escape, 1);
}

bool compress(JpegJob* job, const Pixels& pixels, int dotsPerInch) {
    job->info.err = jpeg_std_error(&job->errors);
    job->errors.error_exit = escapeFromLibjpeg;
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

}  // namespace simhost::render
