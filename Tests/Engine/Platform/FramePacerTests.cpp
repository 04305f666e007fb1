#include "Engine/Platform/FramePacer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
constexpr double PERIOD_60_HZ = 1.0 / 60.0;
constexpr double WORK_SECONDS = 0.001;  // pump, update and draw of one frame
constexpr double SLOW_FRAME_EXTRA_SECONDS = 0.05;
constexpr double MAX_OVERSLEEP_SECONDS = 0.002;
constexpr double TOLERANCE_SECONDS = 1e-9;

struct Display
{
    bool doesSwapWait;
    double periodSeconds;
    int earlySwapFrame = -1;  // a swap that returns at once, as at start-up
    int slowFrame = -1;
};

struct LoopRun
{
    std::vector<double> presentSeconds;
    int numSleeps = 0;
};

// The main loop in virtual time: work, present (where the display makes the swap
// wait, at the next refresh), then sleep as the pacer plans, oversleeping a little
// as a loaded system does.
LoopRun RunLoop(FramePacer& pacer, Display const& display, int numFrames)
{
    LoopRun run;
    double frameStartSeconds = 5.0 * display.periodSeconds;
    for (int frame = 0; frame < numFrames; ++frame)
    {
        double presentSeconds =
            frameStartSeconds + WORK_SECONDS + (frame == display.slowFrame ? SLOW_FRAME_EXTRA_SECONDS : 0.0);
        if (display.doesSwapWait && frame != display.earlySwapFrame)
        {
            presentSeconds =
                (std::floor(presentSeconds / display.periodSeconds) + 1.0) * display.periodSeconds;
        }
        run.presentSeconds.push_back(presentSeconds);
        double const wakeUpSeconds = pacer.PlanWakeUp(presentSeconds);
        frameStartSeconds = presentSeconds;
        if (wakeUpSeconds > presentSeconds)
        {
            ++run.numSleeps;
            frameStartSeconds =
                wakeUpSeconds + MAX_OVERSLEEP_SECONDS * static_cast<double>(frame * 7 % 5) / 4.0;
            pacer.NoteWokeUp(frameStartSeconds);
        }
    }
    return run;
}
}  // namespace

// The display runs at 59.94 Hz: a sleep to the reported 60 Hz would miss refreshes.
// One early swap costs one sleep; from then on the waiting swap alone paces.
TEST(FramePacer, AddsNoSleepWhereTheSwapWaitsEvenAfterAnEarlySwap)
{
    for (int const earlySwapFrame : {-1, 1})
    {
        FramePacer pacer(true, 60);
        Display const display{true, 1.0 / 59.94, earlySwapFrame};
        LoopRun const run = RunLoop(pacer, display, 600);
        EXPECT_EQ(run.numSleeps, earlySwapFrame < 0 ? 0 : 1);
        for (int frame = 4; frame < 600; ++frame)
        {
            ASSERT_NEAR(run.presentSeconds[frame] - run.presentSeconds[frame - 1], display.periodSeconds,
                        TOLERANCE_SECONDS)
                << "a refresh missed before frame " << frame << ", early swap " << earlySwapFrame;
        }
    }
}

// Whether or not the driver took the swap interval: presents a period apart, on a
// grid that oversleeps do not shift; a slow frame starts a new grid, with no burst.
TEST(FramePacer, PacesAnUnpacedDisplayToTheRefreshPeriodWithoutDrift)
{
    for (bool const isSwapIntervalAccepted : {false, true})
    {
        FramePacer pacer(isSwapIntervalAccepted, 60);
        LoopRun const run = RunLoop(pacer, Display{false, PERIOD_60_HZ, -1, 300}, 601);
        EXPECT_EQ(run.numSleeps, 599);  // all but the first frame and the slow one
        for (int frame = 2; frame <= 600; ++frame)
        {
            // Counted from the frame before the slow one, or from the one after it.
            int const gridStart = frame < 300 ? 1 : 301;
            double const gridSeconds = (frame - gridStart) * PERIOD_60_HZ;
            ASSERT_TRUE(frame == 300 || std::abs(run.presentSeconds[frame] - run.presentSeconds[gridStart] -
                                                 gridSeconds) <= MAX_OVERSLEEP_SECONDS + TOLERANCE_SECONDS)
                << "frame " << frame << ", swap interval accepted " << isSwapIntervalAccepted;
        }
    }
}

TEST(FramePacer, TakesAReportedRefreshRateOutside24To500HzAsUnknown)
{
    for (int const reportedHz : {-60, 0, 1, 23, 501, 10'000})
    {
        FramePacer pacer(false, reportedHz);
        LoopRun const run = RunLoop(pacer, Display{false, PERIOD_60_HZ}, 61);
        EXPECT_NEAR(run.presentSeconds[60] - run.presentSeconds[1], 59 * PERIOD_60_HZ, MAX_OVERSLEEP_SECONDS)
            << reportedHz;
    }
    for (int const reportedHz : {24, 144, 500})
    {
        EXPECT_DOUBLE_EQ(ChooseRefreshPeriodSeconds(reportedHz), 1.0 / reportedHz);
    }
}
