#include "simhost/render/PictureProbe.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>

namespace simhost::render {
namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr char kEpsHeader[] = "%!PS-Adobe-3.0 EPSF-3.0";
constexpr uint32_t kEmfHeaderRecord = 1;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr uint32_t kPlaceableWmfKey = 0x9AC6CDD7;
constexpr double kHundredthsOfMillimetrePerInch = 2540;
constexpr double kPointsPerInch = 72;

// Unsigned numbers of n bytes at the offset, or none past the end.
std::optional<uint32_t> little(const std::string& bytes, size_t at, size_t n) {
    if (at + n > bytes.size()) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = n; i > 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i - 1]);
    return value;
}

std::optional<uint32_t> big(const std::string& bytes, size_t at, size_t n) {
    if (at + n > bytes.size()) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < n; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

std::string inches(double value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.2f", value);
    std::string shown = text;
    while (shown.back() == '0') shown.pop_back();
    if (shown.back() == '.') shown.pop_back();
    return shown;
}

PictureFacts raster(PictureFormat format, const char* name, std::optional<uint32_t> width,
                    std::optional<uint32_t> height) {
    if (!width || !height) return PictureFacts{};
    return PictureFacts{format,
                        std::string(name) + ", " + std::to_string(*width) + " x " +
                            std::to_string(*height) + " pixels",
                        *width, *height};
}

PictureFacts drawing(PictureFormat format, const std::string& name, double width, double height) {
    return PictureFacts{format, name + ", " + inches(width) + " x " + inches(height) + " in"};
}

PictureFacts probePng(const std::string& bytes) {
    if (big(bytes, 12, 4) != big(std::string("IHDR"), 0, 4)) return PictureFacts{};
    return raster(PictureFormat::Png, "PNG", big(bytes, 16, 4), big(bytes, 20, 4));
}

// The first start-of-frame marker holds the size; the markers before it are skipped by
// their lengths.
PictureFacts probeJpeg(const std::string& bytes) {
    size_t at = 2;
    while (std::optional<uint32_t> marker = big(bytes, at, 2)) {
        const uint32_t code = *marker & 0xFF;
        if ((*marker >> 8) != 0xFF) break;
        const bool frame =
            code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
        if (frame)
            return raster(PictureFormat::Jpg, "JPEG", big(bytes, at + 7, 2), big(bytes, at + 5, 2));
        std::optional<uint32_t> length = big(bytes, at + 2, 2);
        if (!length) break;
        at += 2 + *length;
    }
    return PictureFacts{};
}

PictureFacts probeEmf(const std::string& bytes) {
    if (little(bytes, 40, 4) != kEmfSignature) return PictureFacts{};
    const auto left = little(bytes, 24, 4), top = little(bytes, 28, 4);
    const auto right = little(bytes, 32, 4), bottom = little(bytes, 36, 4);
    if (!left || !top || !right || !bottom) return PictureFacts{};
    const double width = static_cast<int32_t>(*right - *left) / kHundredthsOfMillimetrePerInch;
    const double height = static_cast<int32_t>(*bottom - *top) / kHundredthsOfMillimetrePerInch;
    return drawing(PictureFormat::Emf, "EMF", width, height);
}

PictureFacts probeWmf(const std::string& bytes) {
    const auto left = little(bytes, 6, 2), top = little(bytes, 8, 2);
    const auto right = little(bytes, 10, 2), bottom = little(bytes, 12, 2);
    const auto unitsPerInch = little(bytes, 14, 2);
    if (!left || !top || !right || !bottom || !unitsPerInch || *unitsPerInch == 0) {
        return PictureFacts{};
    }
    const double width = static_cast<int16_t>(*right - *left) / double(*unitsPerInch);
    const double height = static_cast<int16_t>(*bottom - *top) / double(*unitsPerInch);
    return drawing(PictureFormat::Wmf, "WMF", width, height);
}

PictureFacts probeEps(const std::string& bytes) {
    const size_t box = bytes.find("%%BoundingBox:");
    if (box == std::string::npos) return PictureFacts{};
    std::istringstream numbers(bytes.substr(box + 14, 80));
    double left = 0, bottom = 0, right = 0, top = 0;
    if (!(numbers >> left >> bottom >> right >> top)) return PictureFacts{};
    return drawing(PictureFormat::Eps, "EPS", (right - left) / kPointsPerInch,
                   (top - bottom) / kPointsPerInch);
}

bool startsWith(const std::string& bytes, const std::string& prefix) {
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

PictureFacts PictureProbe::probe(const std::string& bytes) {
    if (startsWith(bytes, kPngSignature)) return probePng(bytes);
    if (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a")) {
        return raster(PictureFormat::Gif, "GIF", little(bytes, 6, 2), little(bytes, 8, 2));
    }
    if (startsWith(bytes, "\xFF\xD8")) return probeJpeg(bytes);
    if (little(bytes, 0, 4) == kEmfHeaderRecord) return probeEmf(bytes);
    if (little(bytes, 0, 4) == kPlaceableWmfKey) return probeWmf(bytes);
    if (startsWith(bytes, kEpsHeader)) return probeEps(bytes);
    return PictureFacts{};
}

}  // namespace simhost::render
