#include "Engine/Platform/FramePacer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr double MAX_OVERSLEEP_SECONDS = 0.002;

// The present times of a main loop in simulated time: each frame works a
// millisecond (the slow one 50 more), presents (where the swap waits, at the
// display's next refresh, except for an early swap that returns at once, as at
// start-up), then sleeps until the pacer's wake-up, oversleeping by
// up to MAX_OVERSLEEP_SECONDS as a loaded system does.
std::vector<double> RunLoop(FramePacer& pacer, double swapWaitPeriodSeconds, int earlySwapFrame,
                            int slowFrame, int& out_numSleeps)
{
    std::vector<double> presentSeconds;
    double frameStartSeconds = 0.1;
    for (int frame = 0; frame < 601; ++frame)
    {
        double present = frameStartSeconds + 0.001 + (frame == slowFrame ? 0.05 : 0.0);
        present = swapWaitPeriodSeconds > 0.0 && frame != earlySwapFrame
                      ? (std::floor(present / swapWaitPeriodSeconds) + 1.0) * swapWaitPeriodSeconds
                      : present;
        presentSeconds.push_back(present);
        double const wakeUpSeconds = pacer.PlanWakeUp(present);
        frameStartSeconds = std::max(present, wakeUpSeconds) +
                            (wakeUpSeconds > present ? MAX_OVERSLEEP_SECONDS * (frame * 7 % 5) / 4.0 : 0.0);
        if (wakeUpSeconds > present)
        {
            ++out_numSleeps;
            pacer.NoteWokeUp(frameStartSeconds);
        }
    }
    return presentSeconds;
}
}  // namespace

// The display runs at 59.94 Hz where the swap waits: a sleep to the reported 60 Hz
// would miss refreshes. One early swap costs one sleep; from then on the waiting
// swap alone paces.
TEST(FramePacer, AddsNoSleepWhereTheSwapWaits)
{
    FramePacer pacer(true, 60);
    int numSleeps = 0;
    std::vector<double> const presentSeconds = RunLoop(pacer, 1.0 / 59.94, 1, -1, numSleeps);
    EXPECT_EQ(numSleeps, 1);  // in the early swap's frame only
    for (size_t frame = 4; frame < presentSeconds.size(); ++frame)
    {
        ASSERT_NEAR(presentSeconds[frame] - presentSeconds[frame - 1], 1.0 / 59.94, 1e-9)
            << "a refresh missed before frame " << frame;
    }
}

// Where the swap does not wait, whether or not the driver took the swap interval,
// and for a reported rate the pacer cannot believe (taken as 60 Hz): presents a
// period apart on a grid that oversleeps do not shift; a slow frame starts a new
// grid, with no burst to catch up.
TEST(FramePacer, PacesAnUnpacedDisplayToTheRefreshPeriodWithoutDrift)
{
    for (int run = 0; run < 12; ++run)
    {
        int const REPORTED_HZ[] = {60, 0, -60, 23, 501, 10'000};
        int const reportedHz = REPORTED_HZ[run / 2];
        bool const isSwapIntervalAccepted = run % 2 == 1;
        FramePacer pacer(isSwapIntervalAccepted, reportedHz);
        int numSleeps = 0;
        std::vector<double> const presentSeconds = RunLoop(pacer, 0.0, -1, 300, numSleeps);
        EXPECT_EQ(numSleeps, 599) << reportedHz;  // all but the first frame and the slow one
        for (int frame = 2; frame <= 600; ++frame)
        {
            int const gridStart = frame < 300 ? 1 : 301;  // before the slow frame, or after it
            double const offGrid =
                presentSeconds[frame] - presentSeconds[gridStart] - (frame - gridStart) / 60.0;
            ASSERT_TRUE(frame == 300 || std::abs(offGrid) <= MAX_OVERSLEEP_SECONDS + 1e-9)
                << "frame " << frame << ", " << reportedHz << " Hz, interval " << isSwapIntervalAccepted;
        }
    }
    for (int const reportedHz : {24, 144, 500})
    {
        EXPECT_DOUBLE_EQ(ChooseRefreshPeriodSeconds(reportedHz), 1.0 / reportedHz);
    }
}
