// Which master of the notation a shape was dropped from, by the name "drop" takes
// ("place", "arc", "title-block"), read from what the master gave it: the notation's
// diagram and element type, or the command of a title block's action row.
#pragma once

#include <string>

namespace simhost {
class Shape;
}  // namespace simhost

namespace runner {

// Empty for a shape that no master of the notation made (a group's parts among them).
std::string masterOf(simhost::Shape& shape);

}  // namespace runner
