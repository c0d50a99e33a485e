// The order in which a page's glue records are written: one that, glued again in that
// order, gives every shape its Connects and FromConnects lists in the order it has.
// Among the orders that do, the one that takes the lowest (from ID, from part) first.
#pragma once

#include <vector>

namespace simhost {

class Connect;
class Page;

class GlueOrder {
public:
    static std::vector<Connect*> of(const Page& page);
};

}  // namespace simhost
