#pragma once
// Keeps the main loop from presenting faster than the display refreshes where the
// driver's buffer swap does not wait for it (Xvfb, some software drivers), which
// would otherwise spin a core at 100 %. It only waits: every frame still measures
// its own real delta.
//
// Use: Startup once the GL context is current, then WaitAfterPresent right after
// every SwapOSWindowBuffers.

constexpr double DEFAULT_REFRESH_RATE_HZ = 60.0;  // when the display does not say
// A swap that returns in less than this share of a refresh period did not wait for it.
constexpr double SWAP_EVIDENTLY_WAITED_FRACTION = 0.5;

// Seconds to wait after a present so that presents come one refresh period apart.
// None when the swap itself waits for the display, nor after a frame already as
// long as a period; never negative.
double ComputePacingWaitSeconds(double secondsSinceLastPresent, double refreshPeriodSeconds,
                                bool isVsyncWorking);
// Whether a swap interval the driver accepted is really honoured, judged from the
// time between two presents.
bool DidSwapWaitForDisplay(bool isSwapIntervalAccepted, double secondsSinceLastPresent,
                           double refreshPeriodSeconds);

class FramePacer
{
public:
    // Asks the current context to swap on the display's refresh and reads its period.
    void Startup();
    void WaitAfterPresent();

    bool IsSwapIntervalAccepted() const { return m_isSwapIntervalAccepted; }
    bool HasSeenSwapNotWait() const { return m_hasSeenSwapNotWait; }
    double GetRefreshPeriodSeconds() const { return m_refreshPeriodSeconds; }

private:
    bool m_isSwapIntervalAccepted = false;
    // Sticky: once a swap has returned early, pacing stays on. Where the swap does
    // wait after all, the computed waits come out as about nothing.
    bool m_hasSeenSwapNotWait = false;
    double m_refreshPeriodSeconds = 1.0 / DEFAULT_REFRESH_RATE_HZ;
    double m_lastPresentSeconds = -1.0;  // negative until the first present
};
