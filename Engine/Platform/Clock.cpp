#include "Engine/Platform/Clock.hpp"

#include <SDL.h>

namespace
{
std::int64_t initialCount = 0;  // the clock's zero; written once, inside the guarded setup

double InitializeTime(std::int64_t& out_initialCount)
{
    std::uint64_t const countsPerSecond = SDL_GetPerformanceFrequency();
    out_initialCount = static_cast<std::int64_t>(SDL_GetPerformanceCounter());
    return ConvertCountsToSeconds(1, countsPerSecond);
}
}  // namespace

double ConvertCountsToSeconds(std::int64_t elapsedCounts, std::uint64_t countsPerSecond)
{
    if (countsPerSecond == 0)
    {
        return 0.0;
    }
    double const secondsPerCount = 1.0 / static_cast<double>(countsPerSecond);
    return static_cast<double>(elapsedCounts) * secondsPerCount;
}

double GetCurrentTimeSeconds()
{
    // A function-local static makes the setup once-only even if first calls race,
    // and orders the write of initialCount before every later read.
    static double const secondsPerCount = InitializeTime(initialCount);
    std::int64_t const currentCount = static_cast<std::int64_t>(SDL_GetPerformanceCounter());
    return static_cast<double>(currentCount - initialCount) * secondsPerCount;
}
