// How often the add-on called each kind of operation. In Visio every one of these calls
// crosses COM, so tests and benchmarks read them as the add-on's cost there.
#pragma once

#include <cstdint>

namespace simhost {

struct CallCounters {
    uint64_t cellLookups = 0;       // CellsU, CellsSRC
    uint64_t existenceTests = 0;    // CellExistsU, CellsSRCExists, RowExists, SectionExists
    uint64_t cellReads = 0;         // ResultIU, Result, ResultStr
    uint64_t formulaReads = 0;      // FormulaU, IsInherited
    uint64_t formulaWrites = 0;     // SetFormulaU
    uint64_t forcedWrites = 0;      // SetFormulaForceU
    uint64_t valueWrites = 0;       // SetResultIU, SetResult
    uint64_t batchWrites = 0;       // SetFormulas calls
    uint64_t batchCells = 0;        // cells written by those calls
    uint64_t shapeLookupsById = 0;  // ItemFromID
    uint64_t shapeLookupsByIndex = 0;
    uint64_t spatialQueries = 0;    // SpatialRelation
    uint64_t neighbourQueries = 0;  // SpatialNeighbors
    uint64_t boundingBoxes = 0;
    uint64_t textReads = 0;
    uint64_t textWrites = 0;
    uint64_t evaluations = 0;  // formulas evaluated, references included
    uint64_t eventsQueued = 0;
    uint64_t eventsDelivered = 0;  // events taken from the queue and handed to the sinks
    uint64_t sinkCalls = 0;

    void reset() { *this = CallCounters(); }

    // Every call that would cross COM into Visio (evaluations and event traffic are the
    // host's own work, not the add-on's calls).
    uint64_t hostCalls() const {
        return cellLookups + existenceTests + cellReads + formulaReads + formulaWrites +
               forcedWrites + valueWrites + batchWrites + shapeLookupsById + shapeLookupsByIndex +
               spatialQueries + neighbourQueries + boundingBoxes + textReads + textWrites;
    }
};

}  // namespace simhost
