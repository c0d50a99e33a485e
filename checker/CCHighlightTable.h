// The cells one checker rule colours, the three looks of each, and what the rule found.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/CellAddress.h"
#include "model/CellAddressTable.h"

class GEAdjacencyMatrix;
class GEElementSet;

// Each registered cell has three looks (formula texts), indexed by highlight mode:
// 0 the shape breaks the rule, 1 it is an element the rule has nothing against,
// 2 it is no element of the notation. The address table is what the diagram model
// saves formulas for before anything is painted.
class CCHighlightTable : public CellAddressTable {
public:
    static constexpr int32_t findingMode = 0;
    static int32_t consistentMode() { return 1; }
    static int32_t ignoredMode() { return 2; }

    CCHighlightTable() = default;
    ~CCHighlightTable() override;
    CCHighlightTable(const CCHighlightTable&) = delete;
    CCHighlightTable& operator=(const CCHighlightTable&) = delete;

    // Registers the cell once; registering it again replaces its looks.
    void addCell(CellAddress address, std::string finding, std::string consistent,
                 std::string ignored);
    // The look of that mode for the cell at that index; empty for an index or mode
    // outside the table.
    std::string getValue(int32_t index, int32_t mode) const;
    std::string getFindingValue(int32_t index) const { return getValue(index, findingMode); }

    // Shape IDs in the order recorded; a shape may stand more than once.
    const std::vector<uint32_t>& getFindings() const { return findings_; }

protected:
    void setInputs(GEElementSet* active, GEElementSet* passive, GEElementSet* arcs,
                   GEAdjacencyMatrix* matrix);
    void recordFinding(int32_t shapeID) { findings_.push_back(static_cast<uint32_t>(shapeID)); }

    // The inputs of the last check; the diagram model owns them.
    GEElementSet* active_ = nullptr;
    GEElementSet* passive_ = nullptr;
    GEElementSet* arcs_ = nullptr;
    GEAdjacencyMatrix* matrix_ = nullptr;

private:
    using Looks = std::array<std::string, 3>;

    std::vector<uint32_t> findings_;
    std::vector<Looks> looks_;
};
