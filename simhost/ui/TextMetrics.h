// Fixed text metrics of the headless backend, so that layouts can be asserted: a small
// per-character table after the proportions of an 8-point dialog font at 96 dpi.
//   space 3; i l j ' . , : ; ! | 2; f r t I ( ) [ ] - 4; m w 10; M W 11;
//   other capitals 7; other letters and digits 6; anything else 5.
// A text of several lines is as wide as its widest line; lines are 13 pixels high.
#pragma once

#include <cstdint>
#include <string>

namespace simhost::headless {

class TextMetrics {
public:
    static constexpr int32_t kLineHeight = 13;

    static int32_t characterWidth(char c);
    static int32_t lineWidth(const std::string& line);
    // The widest line of the text ('\n' separates lines).
    static int32_t width(const std::string& text);
    static int32_t lineCount(const std::string& text);
};

}  // namespace simhost::headless
