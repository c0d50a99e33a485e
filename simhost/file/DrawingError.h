// Why a drawing file cannot be read, and where: the JSON pointer of the offending value
// ("/pages/0/shapes/3/cells/User.X"). Thrown inside the reader only; its callers get the
// text of what().
#pragma once

#include <stdexcept>
#include <string>

namespace simhost {

class DrawingError : public std::runtime_error {
public:
    DrawingError(const std::string& path, const std::string& message)
        : std::runtime_error((path.empty() ? std::string("/") : path) + ": " + message) {}
};

}  // namespace simhost
