// The window under random play: a short soak in every test run (the long one is
// tazkova-window-soak).
#include "tests/ui/window_soak.h"

#include <gtest/gtest.h>

#include "tests/scratch_home.h"

namespace tazkova::testing {
namespace {

TEST(WindowSoak, RandomPlayKeepsTheTableRules) {
    const ScratchHome home;
    const WindowSoakReport report = RunWindowSoak(20261209, 4000);
    std::string last;
    for (const std::string& step : report.lastSteps) last += "\n  " + step;
    ASSERT_EQ(report.fault, "") << "last steps:" << last;
    EXPECT_EQ(report.steps, 4000);
    // The run reached what it is for: plays, pauses and dialogs, and windows closed.
    EXPECT_GT(report.hands, 2);
    EXPECT_GT(report.nestedSteps, 100);
    EXPECT_GT(report.modalSteps, 100);
    EXPECT_GT(report.windows, 1);
}

}  // namespace
}  // namespace tazkova::testing
