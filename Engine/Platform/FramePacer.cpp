#include "Engine/Platform/FramePacer.hpp"

#include <SDL.h>

#include <chrono>
#include <thread>

#ifndef __EMSCRIPTEN__
namespace
{
using PacerClock = std::chrono::steady_clock;

double GetPacerTimeSeconds()
{
    return std::chrono::duration<double>(PacerClock::now().time_since_epoch()).count();
}

int ReadReportedRefreshRateHz()
{
    SDL_Window* const window = SDL_GL_GetCurrentWindow();
    int const displayIndex = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
    SDL_DisplayMode displayMode = {};
    if (SDL_GetCurrentDisplayMode(displayIndex < 0 ? 0 : displayIndex, &displayMode) != 0)
    {
        return 0;
    }
    return displayMode.refresh_rate;
}
}  // namespace
#endif

double ChooseRefreshPeriodSeconds(int reportedRefreshRateHz)
{
    bool const isBelievable = reportedRefreshRateHz >= MIN_BELIEVABLE_REFRESH_RATE_HZ &&
                              reportedRefreshRateHz <= MAX_BELIEVABLE_REFRESH_RATE_HZ;
    return 1.0 / static_cast<double>(isBelievable ? reportedRefreshRateHz : DEFAULT_REFRESH_RATE_HZ);
}

FramePacer::FramePacer(bool isSwapIntervalAccepted, int reportedRefreshRateHz)
    : m_isSwapIntervalAccepted(isSwapIntervalAccepted),
      m_refreshPeriodSeconds(ChooseRefreshPeriodSeconds(reportedRefreshRateHz))
{
}

void FramePacer::Startup()
{
#ifdef __EMSCRIPTEN__
    // The browser calls every frame from its animation frames, which the display
    // paces; a page must never sleep, so WaitAfterPresent does nothing there.
    *this = FramePacer(true, DEFAULT_REFRESH_RATE_HZ);
#else
    bool const isSwapIntervalAccepted =
        SDL_GL_GetCurrentContext() != nullptr && SDL_GL_SetSwapInterval(1) == 0;
    *this = FramePacer(isSwapIntervalAccepted, ReadReportedRefreshRateHz());
#endif
}

void FramePacer::WaitAfterPresent()
{
#ifndef __EMSCRIPTEN__
    double const presentSeconds = GetPacerTimeSeconds();
    double const wakeUpSeconds = PlanWakeUp(presentSeconds);
    if (wakeUpSeconds > presentSeconds)
    {
        // To a point in time, not for a span: time lost between the clock read and
        // the sleep call is not added on top.
        std::this_thread::sleep_until(PacerClock::time_point(
            std::chrono::duration_cast<PacerClock::duration>(std::chrono::duration<double>(wakeUpSeconds))));
        NoteWokeUp(GetPacerTimeSeconds());
    }
#endif
}

double FramePacer::PlanWakeUp(double presentSeconds)
{
    double const frameSeconds = presentSeconds - m_lastWakeUpSeconds;
    bool const didSwapWait =
        m_isSwapIntervalAccepted && frameSeconds >= m_refreshPeriodSeconds * SWAP_EVIDENTLY_WAITED_FRACTION;
    bool const isPastDeadline = !(presentSeconds < m_nextDeadlineSeconds);
    if (!m_hasPresented || didSwapWait || isPastDeadline)
    {
        m_hasPresented = true;
        m_nextDeadlineSeconds = presentSeconds + m_refreshPeriodSeconds;
        m_lastWakeUpSeconds = presentSeconds;
        return presentSeconds;
    }
    double const wakeUpSeconds = m_nextDeadlineSeconds;
    m_nextDeadlineSeconds += m_refreshPeriodSeconds;
    m_lastWakeUpSeconds = wakeUpSeconds;
    return wakeUpSeconds;
}
