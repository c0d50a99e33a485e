// One arc of the graph: the connection pieces from the element it starts at to the
// element it ends at.
#pragma once

#include <cstdint>
#include <vector>

#include "model/GEGraphElement.h"

class GEConnection;

// Holds no element: begin, end and pieces belong to the diagram model. An arc is not a
// shape, so its own shape ID stays UNSET.
class GEArc : public GEGraphElement {
public:
    GEArc(GEGraphElement* begin, std::vector<GEConnection*> members, GEGraphElement* end);

    GEGraphElement* getBegin() const { return begin_; }
    GEGraphElement* getEnd() const { return end_; }
    int32_t getMemberCount() const { return static_cast<int32_t>(members_.size()); }
    // The i-th piece from begin to end; null past the last.
    GEConnection* getMember(int32_t i) const;
    int32_t getWeight() const { return weight_; }
    void setWeight(int32_t weight) { weight_ = weight; }

private:
    GEGraphElement* begin_ = nullptr;
    std::vector<GEConnection*> members_;
    GEGraphElement* end_ = nullptr;
    int32_t weight_ = 1;
};
