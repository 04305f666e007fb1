#include "Engine/Platform/FramePacer.hpp"

#include <SDL2/SDL.h>

#include <chrono>
#include <thread>

namespace
{
double GetPacerTimeSeconds()
{
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

double ReadRefreshPeriodSeconds()
{
    SDL_Window* const window = SDL_GL_GetCurrentWindow();
    int const displayIndex = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
    SDL_DisplayMode displayMode = {};
    if (SDL_GetCurrentDisplayMode(displayIndex < 0 ? 0 : displayIndex, &displayMode) != 0 ||
        displayMode.refresh_rate <= 0)
    {
        return 1.0 / DEFAULT_REFRESH_RATE_HZ;
    }
    return 1.0 / static_cast<double>(displayMode.refresh_rate);
}
}  // namespace

double ComputePacingWaitSeconds(double secondsSinceLastPresent, double refreshPeriodSeconds,
                                bool isVsyncWorking)
{
    if (isVsyncWorking || !(secondsSinceLastPresent < refreshPeriodSeconds))
    {
        return 0.0;
    }
    // A clock read before the last present (never expected) must not stretch the wait.
    double const elapsedSeconds = secondsSinceLastPresent > 0.0 ? secondsSinceLastPresent : 0.0;
    return refreshPeriodSeconds - elapsedSeconds;
}

bool DidSwapWaitForDisplay(bool isSwapIntervalAccepted, double secondsSinceLastPresent,
                           double refreshPeriodSeconds)
{
    return isSwapIntervalAccepted &&
           secondsSinceLastPresent >= refreshPeriodSeconds * SWAP_EVIDENTLY_WAITED_FRACTION;
}

void FramePacer::Startup()
{
    m_isSwapIntervalAccepted = SDL_GL_GetCurrentContext() != nullptr && SDL_GL_SetSwapInterval(1) == 0;
    m_hasSeenSwapNotWait = !m_isSwapIntervalAccepted;
    m_refreshPeriodSeconds = ReadRefreshPeriodSeconds();
    m_lastPresentSeconds = -1.0;
}

void FramePacer::WaitAfterPresent()
{
    double const nowSeconds = GetPacerTimeSeconds();
    if (m_lastPresentSeconds >= 0.0)
    {
        double const secondsSinceLastPresent = nowSeconds - m_lastPresentSeconds;
        if (!DidSwapWaitForDisplay(m_isSwapIntervalAccepted, secondsSinceLastPresent, m_refreshPeriodSeconds))
        {
            m_hasSeenSwapNotWait = true;
        }
        double const waitSeconds =
            ComputePacingWaitSeconds(secondsSinceLastPresent, m_refreshPeriodSeconds, !m_hasSeenSwapNotWait);
        if (waitSeconds > 0.0)
        {
            std::this_thread::sleep_for(std::chrono::duration<double>(waitSeconds));
            // The next period starts where this one was meant to end, so that an
            // oversleep is not carried into the next frame's wait.
            m_lastPresentSeconds += m_refreshPeriodSeconds;
            return;
        }
    }
    m_lastPresentSeconds = nowSeconds;
}
