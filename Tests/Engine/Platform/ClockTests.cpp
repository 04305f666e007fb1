#include "Engine/Platform/Clock.hpp"

#include "Tests/TestSupport/ChildProcess.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

namespace
{
char const* const FIRST_READING_PROBE = "CLOCK_TESTS_FIRST_READING_PROBE";

// Started again as a probe, this program prints the clock's first reading and
// leaves before any test runs, so that no earlier test has started the clock.
int const s_firstReadingProbe = []
{
    if (std::getenv(FIRST_READING_PROBE) != nullptr)
    {
        std::printf("%.9f", GetCurrentTimeSeconds());
        std::fflush(stdout);
        _exit(0);
    }
    return 0;
}();
}  // namespace

TEST(ConvertCountsToSeconds, DividesTheCountByTheFrequency)
{
    struct Case
    {
        std::int64_t elapsedCounts;
        std::uint64_t countsPerSecond;
        double expectedSeconds;
    };
    Case const CASES[] = {
        {5'000'000, 10'000'000, 0.5},
        {10'000'000, 10'000'000, 1.0},
        {0, 10'000'000, 0.0},
        {1, 1'000'000'000, 1e-9},
        {86'400'000'000'000, 1'000'000'000, 86'400.0},
        {-5'000'000, 10'000'000, -0.5},
        {12'345, 0, 0.0},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message()
                     << testCase.elapsedCounts << " counts at " << testCase.countsPerSecond);
        EXPECT_DOUBLE_EQ(ConvertCountsToSeconds(testCase.elapsedCounts, testCase.countsPerSecond),
                         testCase.expectedSeconds);
    }
}

TEST(GetCurrentTimeSeconds, FirstCallIsNearZero)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            setenv(FIRST_READING_PROBE, "1", 1);
            char const* const arguments[] = {"ClockProbe", nullptr};
            execv("/proc/self/exe", const_cast<char* const*>(arguments));
            std::printf("execv failed");
        });
    ASSERT_TRUE(result.exited);
    ASSERT_EQ(result.exitCode, 0) << result.standardError;
    double const firstReadingSeconds = std::strtod(result.standardOutput.c_str(), nullptr);
    EXPECT_GE(firstReadingSeconds, 0.0) << result.standardOutput;
    EXPECT_LT(firstReadingSeconds, 0.01) << result.standardOutput;
}

TEST(GetCurrentTimeSeconds, NeverGoesBackAndCountsAtLeastASleep)
{
    double previousSeconds = GetCurrentTimeSeconds();
    for (int readIndex = 0; readIndex < 10'000; ++readIndex)
    {
        double const nowSeconds = GetCurrentTimeSeconds();
        ASSERT_GE(nowSeconds, previousSeconds) << "read " << readIndex;
        previousSeconds = nowSeconds;
    }

    // A sleep lasts at least as long as asked; its length has no upper bound.
    double const beforeSleepSeconds = GetCurrentTimeSeconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GE(GetCurrentTimeSeconds() - beforeSleepSeconds, 0.019);
}
