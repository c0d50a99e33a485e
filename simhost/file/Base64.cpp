#include "simhost/file/Base64.h"

#include <cstdint>

namespace simhost {
namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

std::string Base64::encode(const std::string& bytes) {
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t at = 0; at < bytes.size(); at += 3) {
        const size_t count = bytes.size() - at < 3 ? bytes.size() - at : 3;
        uint32_t group = 0;
        for (size_t i = 0; i < 3; ++i) {
            const uint32_t byte = i < count ? static_cast<unsigned char>(bytes[at + i]) : 0;
            group = (group << 8) | byte;
        }
        for (size_t i = 0; i < 4; ++i) {
            text += i <= count ? kAlphabet[(group >> (18 - 6 * i)) & 0x3F] : '=';
        }
    }
    return text;
}

std::optional<std::string> Base64::decode(const std::string& text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (size_t at = 0; at < text.size(); at += 4) {
        const bool last = at + 4 == text.size();
        size_t padding = 0;
        uint32_t group = 0;
        for (size_t i = 0; i < 4; ++i) {
            const char c = text[at + i];
            // Padding only at the end of the last group, at most two.
            if (c == '=' && last && i >= 2 && (i == 3 || text[at + 3] == '=')) {
                ++padding;
                group <<= 6;
                continue;
            }
            const int sextet = sextetOf(c);
            if (sextet < 0 || padding > 0) return std::nullopt;
            group = (group << 6) | static_cast<uint32_t>(sextet);
        }
        // The bits beyond the last byte are zero in what encode writes.
        if (padding > 0 && (group & ((1u << (8 * padding)) - 1)) != 0) return std::nullopt;
        for (size_t i = 0; i < 3 - padding; ++i)
            bytes += static_cast<char>((group >> (16 - 8 * i)) & 0xFF);
    }
    return bytes;
}

}  // namespace simhost
