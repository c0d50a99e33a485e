#include "tests/win32/Screenshots.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <set>

#include "tests/win32/DesktopUser.h"

namespace wintest {
namespace {

class Bytes {
public:
    void byte(uint8_t b) { data.push_back(static_cast<char>(b)); }
    void bigEndian(uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8) byte(static_cast<uint8_t>(v >> shift));
    }
    void text(const char* t) { data += t; }
    std::string data;
};

uint32_t crc32(const std::string& bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (char b : bytes) c = table[(c ^ static_cast<uint8_t>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void chunk(Bytes& file, const char* type, const std::string& content) {
    file.bigEndian(static_cast<uint32_t>(content.size()));
    const std::string typed = type + content;
    file.data += typed;
    file.bigEndian(crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string zlibStored(const std::string& raw) {
    Bytes z;
    z.byte(0x78);
    z.byte(0x01);
    uint32_t a = 1, b = 0;
    for (char c : raw) {
        a = (a + static_cast<uint8_t>(c)) % 65521;
        b = (b + a) % 65521;
    }
    for (size_t at = 0; at == 0 || at < raw.size(); at += 65535) {
        const size_t n = std::min<size_t>(65535, raw.size() - at);
        z.byte(at + n >= raw.size() ? 1 : 0);
        z.byte(static_cast<uint8_t>(n & 0xFF));
        z.byte(static_cast<uint8_t>(n >> 8));
        z.byte(static_cast<uint8_t>(~n & 0xFF));
        z.byte(static_cast<uint8_t>((~n >> 8) & 0xFF));
        z.data.append(raw, at, n);
    }
    z.bigEndian((b << 16) | a);
    return z.data;
}

std::string screenshotFolder() {
    const char* build = std::getenv("QAV_BINARY_DIR");
    const std::string folder = windowsPath(build && *build ? build : ".") + "\\screenshots";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace

std::string pngFile(int width, int height, const std::vector<uint32_t>& pixels) {
    Bytes header;
    header.bigEndian(static_cast<uint32_t>(width));
    header.bigEndian(static_cast<uint32_t>(height));
    for (uint8_t b : {8, 2, 0, 0, 0}) header.byte(b);  // 8-bit RGB, no interlace
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';  // no filter
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<size_t>(y * width + x)];
            for (int shift : {16, 8, 0}) raw += static_cast<char>((p >> shift) & 0xFF);
        }
    }
    Bytes file;
    file.data = "\x89PNG\r\n\x1a\n";
    chunk(file, "IHDR", header.data);
    chunk(file, "IDAT", zlibStored(raw));
    chunk(file, "IEND", "");
    return file.data;
}

std::string windowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string converted = "Z:" + path;
    for (char& c : converted) c = c == '/' ? '\\' : c;
    return converted;
}

Screenshot takeScreenshot(HWND window, const std::string& name) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pumpFor(150);
    Screenshot shot;
    const RECT r = screenRectOf(window);
    shot.width = r.right - r.left;
    shot.height = r.bottom - r.top;
    if (shot.width <= 0 || shot.height <= 0) return shot;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> pixels(p, p + static_cast<size_t>(shot.width) * shot.height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    for (uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    shot.colours = std::set<uint32_t>(pixels.begin(), pixels.end()).size();
    shot.path = screenshotFolder() + "\\" + name + ".png";
    std::ofstream(shot.path, std::ios::binary) << pngFile(shot.width, shot.height, pixels);
    return shot;
}

}  // namespace wintest
