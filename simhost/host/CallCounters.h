// How often the add-on called each kind of operation. In Visio every one of these calls
// crosses COM, so tests and benchmarks read them as the add-on's cost there.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/visio/CallObserver.h"
#include "platform/visio/MemberTable.h"

namespace simhost {

// A member of the object model ("Shape.CellsU", "Shape.Text (put)") and its calls.
struct MemberCallCount {
    std::string member;
    uint64_t calls = 0;
};

struct CallCounters {
    // What reached the stand-in's objects, by kind (from the add-on, tests or the runner).
    uint64_t cellLookups = 0;       // CellsU, CellsSRC
    uint64_t existenceTests = 0;    // CellExistsU, CellsSRCExists, RowExists, SectionExists
    uint64_t cellReads = 0;         // ResultIU, Result, ResultStr
    uint64_t formulaReads = 0;      // FormulaU, IsInherited
    uint64_t formulaWrites = 0;     // SetFormulaU
    uint64_t forcedWrites = 0;      // SetFormulaForceU
    uint64_t valueWrites = 0;       // SetResultIU, SetResult
    uint64_t batchWrites = 0;       // SetFormulas calls
    uint64_t batchCells = 0;        // cells written by those calls
    uint64_t batchReads = 0;        // GetResults, GetFormulasU calls
    uint64_t batchCellsRead = 0;    // cells read by those calls
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

    // Every call the add-on made through the port's wrappers, by object and member row
    // (properties, methods and collection items alike): each is one call across COM in
    // Visio. The stand-in's own work never passes the wrappers, so it is not in here.
    std::map<std::pair<visio::InterfaceId, int>, uint64_t> memberCalls;

    void reset() { *this = CallCounters(); }

    // Every call that would cross COM into Visio: the member calls, added up.
    uint64_t hostCalls() const;
    // The calls of one member, named by its interface and C++ name (callsOf<IVShape>("ID")).
    template <class I>
    uint64_t callsOf(const char* name) const {
        auto it = memberCalls.find({I::kId, visio::memberRowIndex<I>(name)});
        return it == memberCalls.end() ? 0 : it->second;
    }
    // The members called, the most called first (equal counts by name).
    std::vector<MemberCallCount> mostCalledMembers() const;
};

// "Object.VisioName" for a row of an object's member table, " (put)" after a property
// write; "?" for a row no table has.
std::string memberName(visio::InterfaceId object, int row);

// Counts every wrapper call into the counters while it lives; it installs itself as the
// process's call observer and puts back the one it replaced.
class PortCallCounter final : public visio::CallObserver {
public:
    explicit PortCallCounter(CallCounters& counters);
    ~PortCallCounter() override;
    PortCallCounter(const PortCallCounter&) = delete;
    PortCallCounter& operator=(const PortCallCounter&) = delete;

    void memberCalled(visio::InterfaceId object, int row) override;

private:
    CallCounters& counters_;
    visio::CallObserver* replaced_;
};

}  // namespace simhost
