// A connection of a Petri net: an arc piece with its weight and weight text box.
#pragma once

#include <cstdint>

#include "model/GEConnection.h"

class GEWeightedConnection : public GEConnection {
public:
    GEWeightedConnection();

    int32_t getWeight() const { return weight_; }
    void setWeight(int32_t weight) { weight_ = weight; }
    int32_t getWeightShapeID() const;
    void setWeightShapeID(int32_t id);

private:
    int32_t weight_ = 1;
};
