#pragma once
// Keeps the main loop from presenting faster than the display refreshes where the
// driver's buffer swap does not wait for it (Xvfb, some software drivers), which
// would otherwise spin a core at 100 %, and stays out of the way where it does.
// It only waits: every frame still measures its own real delta.
//
// Use: Startup once the GL context is current, then WaitAfterPresent right after
// every SwapOSWindowBuffers. The decisions (PlanWakeUp, NoteWokeUp) are pure over
// the times they are given, so they can be checked without a clock.

constexpr int DEFAULT_REFRESH_RATE_HZ = 60;  // when the display does not say, or says nonsense
constexpr int MIN_BELIEVABLE_REFRESH_RATE_HZ = 24;
constexpr int MAX_BELIEVABLE_REFRESH_RATE_HZ = 500;
// A frame that took less than this share of a refresh period, present included,
// was presented by a swap that did not wait for the display.
constexpr double SWAP_EVIDENTLY_WAITED_FRACTION = 0.5;

// 1 / the reported rate; a rate outside 24..500 Hz (0 is "unknown") counts as 60 Hz.
double ChooseRefreshPeriodSeconds(int reportedRefreshRateHz);

class FramePacer
{
public:
    FramePacer() = default;
    FramePacer(bool isSwapIntervalAccepted, int reportedRefreshRateHz);

    // Asks the current context to swap on the display's refresh and reads its rate.
    void Startup();
    // Sleeps until the planned wake-up, measured on the steady clock.
    void WaitAfterPresent();

    // For a frame just presented at presentSeconds: when the next frame may begin.
    // The present itself (no sleep) when the swap waited for the display this time,
    // on the first frame and after a frame that ended past its deadline; otherwise
    // the deadline one period after the previous one, so neither an oversleep nor
    // a short frame shifts the rhythm, and a late frame starts a new one.
    double PlanWakeUp(double presentSeconds);
    // When the sleep really ended; the next frame's own time counts from here.
    void NoteWokeUp(double wokeSeconds) { m_lastWakeUpSeconds = wokeSeconds; }

    bool IsSwapIntervalAccepted() const { return m_isSwapIntervalAccepted; }
    double GetRefreshPeriodSeconds() const { return m_refreshPeriodSeconds; }

private:
    bool m_isSwapIntervalAccepted = false;
    double m_refreshPeriodSeconds = 1.0 / DEFAULT_REFRESH_RATE_HZ;
    bool m_hasPresented = false;
    double m_lastWakeUpSeconds = 0.0;
    double m_nextDeadlineSeconds = 0.0;
};
