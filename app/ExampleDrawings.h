// The example drawings, built with the notation's stand-in masters and glued as a user
// glues connectors: a Petri net with a conflict, concurrency and a stack place; a block
// diagram with an access arc, a channel and a name clash; an ER diagram with a binary
// relationship; a page that mixes kinds; a drawing with an incomplete shape; a Petri net
// on two pages in front of a background page; a Petri net with its values in text
// boxes; block diagram shapes with layout menus; a Petri net on two pages with a title
// block still to be moved onto a background page; a Petri net for the simulator, with
// its tokens in text boxes, calls into stack places and a cycle; and, for benchmarks, a
// large Petri net and a dense one whose arcs cross a grid, of a given number of elements.
#pragma once

#include <string>
#include <vector>

#include "platform/visio/ComRef.h"

namespace simhost {
class Document;
class Host;
}  // namespace simhost

namespace runner {

class ExampleDrawings {
public:
    // The kinds, in the order "generate" lists them.
    static const std::vector<std::string>& kinds();
    // The elements a large or dense Petri net has unless told otherwise.
    static constexpr int kLargeNetElements = 3000;
    // Whether a size is given to drawings of the kind (the large and the dense net's
    // elements); they are generated where they are used.
    static bool takesSize(const std::string& kind);

    // A new document of the host named name, holding the drawing of that kind; empty
    // for a kind that is none of kinds(). Size counts a sized net's elements. What
    // could not be glued goes to *problems (empty when all went well).
    static visio::ComRef<simhost::Document> build(simhost::Host& host, const std::string& kind,
                                                  const std::string& name,
                                                  int size = kLargeNetElements,
                                                  std::string* problems = nullptr);
};

}  // namespace runner
