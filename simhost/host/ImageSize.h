// The size of a picture file as Visio's picture import takes it: its pixels at the
// resolution the file gives (96 dots per inch when it gives none). PNG, JPEG and GIF.
#pragma once

#include <optional>
#include <string>

namespace simhost {

struct ImageSize {
    double width = 0;   // inches
    double height = 0;  // inches
};

class ImageSizes {
public:
    static constexpr double kDefaultDpi = 96;

    // The size from the file's bytes; none when they are no picture of a known format
    // or have no size.
    static std::optional<ImageSize> read(const std::string& bytes);

private:
    static std::optional<ImageSize> png(const std::string& bytes);
    static std::optional<ImageSize> jpeg(const std::string& bytes);
    static std::optional<ImageSize> gif(const std::string& bytes);
};

}  // namespace simhost
