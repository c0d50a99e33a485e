// The JSON type of the drawing file: nlohmann's, keeping the order of keys as written,
// since the order of rows in a sheet follows the order of their cells in the file.
#pragma once

#include <nlohmann/json.hpp>

namespace simhost {

using Json = nlohmann::ordered_json;

}  // namespace simhost
