// One connector shape (or one edge sub-shape of a composite shape) of the graph.
#pragma once

#include <cstdint>
#include <vector>

#include "model/GEGraphElement.h"

// Knows what is glued at the connector's begin and end, and its direction: state 0
// directed from begin to end, 1 both directions, 2 no direction. The builder sets the
// state; until then the connection is in none of them.
class GEConnection : public GEGraphElement {
public:
    GEConnection() = default;

    // Appends the ID unless it is the connection's own or already listed.
    void addBeginID(int32_t id);
    void addEndID(int32_t id);
    // Removes the first entry equal to the ID, if any.
    void removeBeginID(int32_t id);
    void removeEndID(int32_t id);
    // Entry i of the list; UNSET past its end.
    int32_t getBeginID(int32_t i) const;
    int32_t getEndID(int32_t i) const;
    int32_t getBeginIDsCount() const;
    int32_t getEndIDsCount() const;
    bool hasBeginID(int32_t id) const;
    bool hasEndID(int32_t id) const;
    // Copies of the lists, for walks that change the connection as they go.
    std::vector<int32_t> getBeginIDs() const { return beginIDs_; }
    std::vector<int32_t> getEndIDs() const { return endIDs_; }

    void setState0() { state_ = 0; }
    void setState1() { state_ = 1; }
    void setState2() { state_ = 2; }
    bool isState0() const { return state_ == 0; }
    bool isState1() const { return state_ == 1; }
    bool isState2() const { return state_ == 2; }

    // Swaps begin and end; an empty side takes the other side's IDs. The state stays.
    void reverse();

private:
    void addUnique(std::vector<int32_t>& ids, int32_t id) const;

    std::vector<int32_t> beginIDs_;
    std::vector<int32_t> endIDs_;
    int32_t state_ = -1;
};
