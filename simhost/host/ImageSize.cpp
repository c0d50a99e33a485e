#include "simhost/host/ImageSize.h"

#include <cstdint>

namespace simhost {
namespace {

constexpr double kInchesPerMetre = 39.37007874015748;
constexpr double kCentimetresPerInch = 2.54;

uint32_t byteAt(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

uint32_t bigEndian16(const std::string& b, size_t at) {
    return byteAt(b, at) << 8 | byteAt(b, at + 1);
}

uint32_t bigEndian32(const std::string& b, size_t at) {
    return bigEndian16(b, at) << 16 | bigEndian16(b, at + 2);
}

uint32_t littleEndian16(const std::string& b, size_t at) {
    return byteAt(b, at + 1) << 8 | byteAt(b, at);
}

std::optional<ImageSize> sized(uint32_t pixelsWide, uint32_t pixelsHigh, double dpiX, double dpiY) {
    if (pixelsWide == 0 || pixelsHigh == 0) return std::nullopt;
    if (!(dpiX > 0) || !(dpiY > 0)) dpiX = dpiY = ImageSizes::kDefaultDpi;
    return ImageSize{pixelsWide / dpiX, pixelsHigh / dpiY};
}

bool startsWith(const std::string& bytes, const std::string& signature) {
    return bytes.compare(0, signature.size(), signature) == 0;
}

}  // namespace

std::optional<ImageSize> ImageSizes::read(const std::string& bytes) {
    if (auto size = png(bytes)) return size;
    if (auto size = jpeg(bytes)) return size;
    return gif(bytes);
}

// The header chunk comes first; a pHYs chunk in metres gives the resolution.
std::optional<ImageSize> ImageSizes::png(const std::string& b) {
    static const std::string signature("\x89PNG\r\n\x1a\n", 8);
    if (!startsWith(b, signature) || b.size() < 24 || b.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    const uint32_t width = bigEndian32(b, 16), height = bigEndian32(b, 20);
    double dpiX = 0, dpiY = 0;
    for (size_t at = 8; at + 8 <= b.size();) {
        const uint32_t length = bigEndian32(b, at);
        if (b.compare(at + 4, 4, "pHYs") == 0 && length >= 9 && at + 17 <= b.size() &&
            byteAt(b, at + 16) == 1) {
            dpiX = bigEndian32(b, at + 8) / kInchesPerMetre;
            dpiY = bigEndian32(b, at + 12) / kInchesPerMetre;
        }
        if (b.compare(at + 4, 4, "IDAT") == 0 || length > b.size()) break;
        at += 12 + static_cast<size_t>(length);
    }
    return sized(width, height, dpiX, dpiY);
}

// The JFIF segment gives the resolution, a start-of-frame segment the size.
std::optional<ImageSize> ImageSizes::jpeg(const std::string& b) {
    if (b.size() < 4 || byteAt(b, 0) != 0xFF || byteAt(b, 1) != 0xD8) return std::nullopt;
    double dpiX = 0, dpiY = 0;
    for (size_t at = 2; at + 4 <= b.size();) {
        if (byteAt(b, at) != 0xFF) return std::nullopt;
        const uint32_t marker = byteAt(b, at + 1);
        const uint32_t length = bigEndian16(b, at + 2);
        const size_t body = at + 4;
        if (marker == 0xE0 && length >= 14 && body + 12 <= b.size() &&
            b.compare(body, 5, std::string("JFIF\0", 5)) == 0) {
            const uint32_t units = byteAt(b, body + 7);
            const double scale = units == 1 ? 1 : units == 2 ? kCentimetresPerInch : 0;
            dpiX = bigEndian16(b, body + 8) * scale;
            dpiY = bigEndian16(b, body + 10) * scale;
        }
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && body + 5 <= b.size())
            return sized(bigEndian16(b, body + 3), bigEndian16(b, body + 1), dpiX, dpiY);
        if (length < 2) return std::nullopt;
        at += 2 + static_cast<size_t>(length);
    }
    return std::nullopt;
}

std::optional<ImageSize> ImageSizes::gif(const std::string& b) {
    if ((!startsWith(b, "GIF87a") && !startsWith(b, "GIF89a")) || b.size() < 10)
        return std::nullopt;
    return sized(littleEndian16(b, 6), littleEndian16(b, 8), 0, 0);
}

}  // namespace simhost
