#include "Engine/Platform/FramePacer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
constexpr double PERIOD_60_HZ = 1.0 / 60.0;
constexpr double WORK_SECONDS = 0.001;  // pump, update and draw of one frame
constexpr double MAX_OVERSLEEP_SECONDS = 0.002;
constexpr double TOLERANCE_SECONDS = 1e-9;

// A display and a loop in virtual time: each frame works, presents (the swap waits
// for the next refresh where the display makes it), then sleeps as the pacer plans,
// oversleeping a little, as a loaded system does.
struct LoopRun
{
    std::vector<double> presentSeconds;
    int numSleeps = 0;
};

LoopRun RunLoop(FramePacer& pacer, int numFrames, bool doesSwapWait, double displayPeriodSeconds,
                std::vector<double> const& extraWorkSecondsByFrame = {})
{
    LoopRun run;
    double frameStartSeconds = 0.0;
    for (int frame = 0; frame < numFrames; ++frame)
    {
        double const extraWork =
            frame < static_cast<int>(extraWorkSecondsByFrame.size()) ? extraWorkSecondsByFrame[frame] : 0.0;
        double presentSeconds = frameStartSeconds + WORK_SECONDS + extraWork;
        if (doesSwapWait)
        {
            presentSeconds = std::ceil(presentSeconds / displayPeriodSeconds - 1e-9) * displayPeriodSeconds;
        }
        run.presentSeconds.push_back(presentSeconds);
        double const wakeUpSeconds = pacer.PlanWakeUp(presentSeconds);
        frameStartSeconds = presentSeconds;
        if (wakeUpSeconds > presentSeconds)
        {
            ++run.numSleeps;
            double const oversleepSeconds = MAX_OVERSLEEP_SECONDS * static_cast<double>(frame * 7 % 5) / 4.0;
            frameStartSeconds = wakeUpSeconds + oversleepSeconds;
            pacer.NoteWokeUp(frameStartSeconds);
        }
    }
    return run;
}
}  // namespace

// A start-up swap that returns at once (the display not yet running) costs one
// sleep; from then on the waiting swap alone paces, with no refresh missed.
TEST(FramePacer, AddsNoSleepWhereTheSwapWaitsEvenAfterAnEarlySwap)
{
    for (bool const isSwapOfFrameOneEarly : {false, true})
    {
        SCOPED_TRACE(isSwapOfFrameOneEarly ? "early second swap" : "every swap waits");
        FramePacer pacer(true, 60);
        // The display really runs at 59.94 Hz: a sleep to the reported 60 Hz would miss refreshes.
        double const displayPeriodSeconds = 1.0 / 59.94;
        double const startSeconds = 5.0 * displayPeriodSeconds;
        EXPECT_EQ(pacer.PlanWakeUp(startSeconds), startSeconds);
        double presentSeconds = startSeconds;
        if (isSwapOfFrameOneEarly)
        {
            presentSeconds += WORK_SECONDS;
            double const wakeUpSeconds = pacer.PlanWakeUp(presentSeconds);
            EXPECT_NEAR(wakeUpSeconds, startSeconds + PERIOD_60_HZ, TOLERANCE_SECONDS);
            pacer.NoteWokeUp(wakeUpSeconds);
            presentSeconds = wakeUpSeconds;
        }
        for (int frame = 0; frame < 600; ++frame)
        {
            double const nextPresentSeconds =
                (std::floor((presentSeconds + WORK_SECONDS) / displayPeriodSeconds) + 1.0) *
                displayPeriodSeconds;
            if (frame > 0)
            {
                ASSERT_NEAR(nextPresentSeconds - presentSeconds, displayPeriodSeconds, TOLERANCE_SECONDS)
                    << "frame " << frame;
            }
            presentSeconds = nextPresentSeconds;
            ASSERT_EQ(pacer.PlanWakeUp(presentSeconds), presentSeconds) << "frame " << frame;
        }
    }
}

// Where the swap returns at once, whether or not the driver took the swap interval:
// presents a period apart, on a grid that neither oversleeps nor a late frame drift.
TEST(FramePacer, PacesAnUnpacedDisplayToTheRefreshPeriodWithoutDrift)
{
    for (bool const isSwapIntervalAccepted : {false, true})
    {
        SCOPED_TRACE(isSwapIntervalAccepted ? "interval accepted, not honoured" : "interval refused");
        FramePacer pacer(isSwapIntervalAccepted, 60);
        std::vector<double> extraWork(601, 0.0);
        extraWork[300] = 0.05;  // one slow frame: a fresh start, no burst to catch up
        LoopRun const run = RunLoop(pacer, 601, false, PERIOD_60_HZ, extraWork);
        for (int frame = 2; frame <= 600; ++frame)
        {
            double const intervalSeconds = run.presentSeconds[frame] - run.presentSeconds[frame - 1];
            if (frame != 300 && frame != 301)
            {
                ASSERT_NEAR(intervalSeconds, PERIOD_60_HZ, MAX_OVERSLEEP_SECONDS + TOLERANCE_SECONDS)
                    << "frame " << frame;
            }
        }
        EXPECT_NEAR(run.presentSeconds[299] - run.presentSeconds[1], 298 * PERIOD_60_HZ,
                    MAX_OVERSLEEP_SECONDS + TOLERANCE_SECONDS);
        EXPECT_NEAR(run.presentSeconds[600] - run.presentSeconds[301], 299 * PERIOD_60_HZ,
                    MAX_OVERSLEEP_SECONDS + TOLERANCE_SECONDS);
        EXPECT_EQ(run.numSleeps, 599);  // all but the first frame and the slow one
    }
}

TEST(FramePacer, TakesAReportedRefreshRateOutside24To500HzAsUnknown)
{
    int const RATES_AS_60_HZ[] = {-60, 0, 1, 23, 501, 10'000};
    for (int const reportedHz : RATES_AS_60_HZ)
    {
        FramePacer pacer(false, reportedHz);
        LoopRun const run = RunLoop(pacer, 61, false, PERIOD_60_HZ);
        EXPECT_NEAR(run.presentSeconds[60] - run.presentSeconds[1], 59 * PERIOD_60_HZ, MAX_OVERSLEEP_SECONDS)
            << reportedHz;
    }
    int const BELIEVED_RATES[] = {24, 144, 500};
    for (int const reportedHz : BELIEVED_RATES)
    {
        EXPECT_DOUBLE_EQ(ChooseRefreshPeriodSeconds(reportedHz), 1.0 / reportedHz);
    }
}
