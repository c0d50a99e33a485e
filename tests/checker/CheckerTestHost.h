// What the checker's tests run in: the add-on's tools in the stand-in host (see
// ToolsTestHost), with what the tests look at of the checker.
#pragma once

#include <cstdint>

#include "tests/support/ToolsTestHost.h"

class ConsistencyChecker;

namespace checkertest {

class CheckerTestHost : public testsupport::ToolsTestHost {
public:
    // Null until the tools exist.
    ConsistencyChecker* checker() const;
    // The checker's button, whichever tag it carries now; null before the bar exists.
    const simhost::ToolbarItemProperties* checkerButton();
    // The formula batches Visio was handed so far: two paint a check, one takes it away.
    uint64_t batchWrites() { return host.counters().batchWrites; }
    // The diagram-type questions shown so far.
    int questionsAsked() const;
};

}  // namespace checkertest
