#include "simhost/ui/TextMetrics.h"

#include <algorithm>
#include <cstring>

namespace simhost::headless {

int32_t TextMetrics::characterWidth(char c) {
    if (c == ' ') return 3;
    if (c != '\0' && std::strchr("ilj'.,:;!|", c)) return 2;
    if (c != '\0' && std::strchr("frtI()[]-", c)) return 4;
    if (c == 'm' || c == 'w') return 10;
    if (c == 'M' || c == 'W') return 11;
    if (c >= 'A' && c <= 'Z') return 7;
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return 6;
    return 5;
}

int32_t TextMetrics::lineWidth(const std::string& line) {
    int32_t width = 0;
    for (char c : line) {
        if (c != '\r') width += characterWidth(c);
    }
    return width;
}

int32_t TextMetrics::width(const std::string& text) {
    int32_t widest = 0;
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        widest = std::max(widest, lineWidth(text.substr(start, end - start)));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return widest;
}

int32_t TextMetrics::lineCount(const std::string& text) {
    return 1 + static_cast<int32_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace simhost::headless
