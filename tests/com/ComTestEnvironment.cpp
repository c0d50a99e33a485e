// COM on the test thread, as Visio has it on its own.
#include <gtest/gtest.h>

#include "platform/com/Automation.h"

namespace {

class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};

[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
