// Petri nets drawn from the stand-in masters for the windows' tests: places in a row
// (their tokens in text boxes), transitions in a row above them, arcs glued from centre
// to centre.
#pragma once

#include <string>
#include <vector>

namespace simhost {
class Host;
class Page;
}  // namespace simhost

namespace wintest {

struct NetPlace {
    std::string name;
    int tokens = 0;
    bool stack = false;
};

// An arc from the named shape to the named shape.
struct NetArc {
    std::string from;
    std::string to;
};

void drawNet(simhost::Host& host, simhost::Page& page, const std::vector<NetPlace>& places,
             const std::vector<std::string>& transitions, const std::vector<NetArc>& arcs);

}  // namespace wintest
