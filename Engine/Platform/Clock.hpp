#pragma once
// The one time source: seconds since the first call, from the platform's
// monotonic high-resolution counter.

#include <cstdint>

// Zero at the first call and never negative; the first call's setup is
// thread-safe and runs once.
double GetCurrentTimeSeconds();

// The seconds that elapsedCounts ticks of a counter running at countsPerSecond
// make; 0 for a zero frequency, which no real counter has.
double ConvertCountsToSeconds(std::int64_t elapsedCounts, std::uint64_t countsPerSecond);
