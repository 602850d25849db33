// Death tests re-run the test binary instead of forking: a forked child of a process that
// holds an X connection and Mesa's threads can hang in exit while closing the display.
#include <gtest/gtest.h>

namespace {

class ThreadsafeDeathTests : public testing::Environment {
public:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

testing::Environment* const environment = testing::AddGlobalTestEnvironment(new ThreadsafeDeathTests);

}  // namespace
