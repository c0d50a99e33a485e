#include "tests/checker/CheckerTestHost.h"

#include "checker/ConsistencyChecker.h"

namespace checkertest {

namespace {

constexpr char kQuestionCaption[] = "Identify your Diagram type";
// The checker's place in the standard tool list.
constexpr std::size_t kCheckerPlace = 1;

}  // namespace

ConsistencyChecker* CheckerTestHost::checker() const {
    return static_cast<ConsistencyChecker*>(tool(kCheckerPlace));
}

const simhost::ToolbarItemProperties* CheckerTestHost::checkerButton() {
    return button({ConsistencyChecker::kStartTag, ConsistencyChecker::kStopTag});
}

int CheckerTestHost::questionsAsked() const {
    int count = 0;
    for (const auto& box : backend.messageBoxes()) {
        if (box.caption == kQuestionCaption) ++count;
    }
    return count;
}

}  // namespace checkertest
