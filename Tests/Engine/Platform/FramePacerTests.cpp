#include "Engine/Platform/FramePacer.hpp"

#include <gtest/gtest.h>

constexpr double PERIOD_60_HZ = 1.0 / 60.0;

TEST(ComputePacingWaitSeconds, WaitsOutTheRestOfThePeriodOnlyWithoutWorkingVsync)
{
    struct Case
    {
        double secondsSinceLastPresent;
        bool isVsyncWorking;
        double expectedWaitSeconds;
    };
    Case const CASES[] = {
        {0.001, false, PERIOD_60_HZ - 0.001},
        {0.0, false, PERIOD_60_HZ},
        {-0.002, false, PERIOD_60_HZ},  // a clock read out of order never lengthens the wait
        {PERIOD_60_HZ, false, 0.0},     // the frame already took a period
        {0.5, false, 0.0},              // a long frame is never made longer
        {0.001, true, 0.0},             // the swap itself waits
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message()
                     << testCase.secondsSinceLastPresent << " s, vsync " << testCase.isVsyncWorking);
        EXPECT_DOUBLE_EQ(
            ComputePacingWaitSeconds(testCase.secondsSinceLastPresent, PERIOD_60_HZ, testCase.isVsyncWorking),
            testCase.expectedWaitSeconds);
    }
}

TEST(DidSwapWaitForDisplay, AnAcceptedIntervalCountsOnlyWhenPresentsAreNotMuchFasterThanTheDisplay)
{
    EXPECT_FALSE(DidSwapWaitForDisplay(false, PERIOD_60_HZ, PERIOD_60_HZ));
    EXPECT_FALSE(DidSwapWaitForDisplay(true, 0.0005, PERIOD_60_HZ));
    EXPECT_FALSE(DidSwapWaitForDisplay(true, PERIOD_60_HZ * 0.49, PERIOD_60_HZ));
    EXPECT_TRUE(DidSwapWaitForDisplay(true, PERIOD_60_HZ * 0.5, PERIOD_60_HZ));
    EXPECT_TRUE(DidSwapWaitForDisplay(true, PERIOD_60_HZ, PERIOD_60_HZ));
}
